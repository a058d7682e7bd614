#include "monitor/Quorlin.h"

#include "about/frmAbout.h"
#include "AppIdentity.h"
#include "help/HelpIndex.h"
#include "monitor/LampBox.h"
#include "monitor/LineLog.h"
#include "monitor/PortMessages.h"
#include "monitor/WindowPlacement.h"
#include "platform/MessageBox.h"
#include "platform/MSComm.h"
#include "platform/ScreenTwips.h"
#include "platform/WindowZOrder.h"
#include "settings/NumberText.h"
#include "settings/SettingsSchema.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QLineEdit>
#include <QMenu>
#include <QScreen>

using SettingsSchema::Key;

Quorlin::Quorlin(const Platform& platform)
    : MSComm1(platform.serial), m_platform(platform),
      m_activation(
          *this,
          [this](const QWindow* window) { return m_about && m_about->windowHandle() == window; }),
      m_recovery(platform.serial)
{
    setObjectName(QStringLiteral("Quorlin"));
    setWindowTitle(AppIdentity::title());
    setWindowIcon(QIcon(QStringLiteral(":/icons/quorlin.png")));
    createControls();
    createMenus();
    connectHandlers();

    // First placement: centred on the screen. The activation sequence then
    // moves the window to where the user last had it.
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    move(screen.center() - rect().center());

    // Named and owned like the controls, so that it can be found as they are.
    Timer1.setObjectName(QStringLiteral("Timer1"));
    Timer1.setParent(this);
    Timer1.setInterval(PollInterval);
    Timer1.start();
    m_recovery.setParent(this);
    m_editSaver.setSingleShot(true);
    m_editSaver.setInterval(EditSaveDelay);
}

Quorlin::~Quorlin()
{
    m_platform.store.setSaveFailureHandler({});
    if (m_lineLog)
        m_lineLog->setFailureHandler({});
    delete m_about;
}

void Quorlin::setLineLog(LineLog& log)
{
    m_lineLog = &log;
    m_activity.setLog(&log);
    log.setFailureHandler(
        [this](const QString& message) { m_platform.messages.show(this, message); });
}

void Quorlin::connectHandlers()
{
    connect(&m_activation, &ActivationWatch::activated, this, &Quorlin::Form_Activate);
    connect(&Timer1, &QTimer::timeout, this, &Quorlin::Timer1_Timer);
    connect(&MSComm1, &MSComm::linesChanged, this, &Quorlin::Timer1_Timer);
    connect(&MSComm1, &MSComm::opened, this, [this] {
        const int port = MSComm1.commPort();
        m_activity.restart(QStringLiteral("Com%1 %2").arg(port).arg(MSComm1.deviceFor(port)));
    });
    // The port finds these out within a read of a tick; they are told once
    // the tick is over.
    connect(&MSComm1, &MSComm::lost, this, &Quorlin::portLost, Qt::QueuedConnection);
    connect(&MSComm1, &MSComm::linesUnreadable, this, &Quorlin::portLinesUnreadable,
            Qt::QueuedConnection);
    connect(chkOnTop, &QCheckBox::toggled, this, &Quorlin::chkOnTop_Click);
    connect(mnuExit, &QAction::triggered, this, &Quorlin::mnuExit_Click);
    connect(mnuAbout, &QAction::triggered, this, &Quorlin::mnuAbout_Click);
    connect(mnuIndex, &QAction::triggered, this, &Quorlin::mnuIndex_Click);
    connect(mnuCom, &QMenu::aboutToShow, this, &Quorlin::showPortDevices);
    connect(mnuPorts, &QAction::triggered, this, &Quorlin::mnuPorts_Click);
    static constexpr std::array<void (Quorlin::*)(), PortCount> portCommands{
        &Quorlin::mnuCom1_Click, &Quorlin::mnuCom2_Click, &Quorlin::mnuCom3_Click,
        &Quorlin::mnuCom4_Click, &Quorlin::mnuCom5_Click, &Quorlin::mnuCom6_Click,
        &Quorlin::mnuCom7_Click, &Quorlin::mnuCom8_Click, &Quorlin::mnuCom9_Click};
    for (int k = 0; k < PortCount; ++k)
        connect(mnuComItem[k], &QAction::triggered, this, portCommands[k]);
    // A label reaches the store as the user types it, so that the reload of
    // the next activation brings back what the user sees.
    for (int row = 0; row < 3; ++row)
        connect(labelBoxes()[row], &QLineEdit::textEdited, this, [this, row] { labelEdited(row); });
    connect(&m_editSaver, &QTimer::timeout, this, &Quorlin::saveEdits);
    m_platform.store.setSaveFailureHandler(
        [this](const QString& message) { m_platform.messages.show(this, message); });
}

void Quorlin::Form_Activate()
{
    // What the user changed since the last save is kept, not undone by the reload.
    saveEdits();
    SettingsStore& store = m_platform.store;
    const double twipsX = Twips::perPixelX(this);
    const double twipsY = Twips::perPixelY(this);

    SettingsSchema::seed(store, pos().x() * twipsX, pos().y() * twipsY);
    restorePosition();
    strComPort = SettingsSchema::read(store, Key::ComPort);
    for (int row = 0; row < 3; ++row)
        labelBoxes()[row]->setText(SettingsSchema::read(store, SettingsSchema::statusKey(row)));
    // Setting the box runs chkOnTop_Click when it changes the state.
    const auto onTop = NumberText::toInt16(SettingsSchema::read(store, Key::OnTop));
    chkOnTop->setChecked(onTop == 1);
    SetFormOnTop(*this, chkOnTop->checkState() == Qt::Checked);
    m_loaded = true;

    if (const auto port = NumberText::toDouble(strComPort)) {
        for (int k = 1; k <= PortCount; ++k) {
            if (*port == k)
                mnuComItem[k - 1]->setChecked(true);
        }
    }

    // The normal path takes over from waiting for a lost port.
    m_recovery.stop();
    if (MSComm1.portOpen())
        MSComm1.setPortOpen(false);
    // Text that is no port number (typed into the store by hand) names port 0,
    // which no device answers to, so the open below fails and says so.
    MSComm1.setCommPort(NumberText::toInt16(strComPort).value_or(0));
    if (!MSComm1.setPortOpen(true)) {
        m_platform.messages.show(this, PortMessages::notAvailable(strComPort),
                                 MSComm1.failureReason());
        return;
    }
    MSComm1.setRTSEnable(true);
    MSComm1.setDTREnable(true);
}

void Quorlin::portLost()
{
    // Waiting starts before the message, so the port comes back even while
    // the message is still up.
    if (!MSComm1.isLost())
        return;
    m_recovery.start();
    m_platform.messages.show(this, PortMessages::notAvailable(strComPort), MSComm1.failureReason());
}

void Quorlin::portLinesUnreadable()
{
    if (!MSComm1.portOpen())
        return;
    // Red, as at start-up: what the lamps showed was another port's state.
    for (LampBox* green : Picture1)
        green->hide();
    m_platform.messages.show(this, PortMessages::linesUnreadable(strComPort));
}

void Quorlin::restorePosition()
{
    const SettingsStore& store = m_platform.store;
    const auto left = NumberText::toSingle(SettingsSchema::read(store, Key::PositionLeft));
    const auto top = NumberText::toSingle(SettingsSchema::read(store, Key::PositionTop));
    // A text that is no number leaves that edge where it is.
    const double x = left ? *left / Twips::perPixelX(this) : pos().x();
    const double y = top ? *top / Twips::perPixelY(this) : pos().y();

    QList<QRect> screens;
    for (const QScreen* screen : QGuiApplication::screens())
        screens.append(screen->geometry());
    const QRect fallback = QGuiApplication::primaryScreen()->availableGeometry();

    // From the first activation on, every move of the window is stored, but
    // this one only puts back what the store already holds.
    m_savesMoves = false;
    move(WindowPlacement::onScreen(x, y, frameGeometry().size(), screens, fallback));
    m_savesMoves = true;
}

void Quorlin::savePosition()
{
    SettingsStore& store = m_platform.store;
    SettingsSchema::write(store, Key::PositionLeft,
                          NumberText::fromNumber(pos().x() * Twips::perPixelX(this)));
    SettingsSchema::write(store, Key::PositionTop,
                          NumberText::fromNumber(pos().y() * Twips::perPixelY(this)));
}

void Quorlin::moveEvent(QMoveEvent* event)
{
    QMainWindow::moveEvent(event);
    if (m_savesMoves) {
        m_moved = true;
        m_editSaver.start();
    }
}

void Quorlin::labelEdited(int row)
{
    // Typing before the first load would be replaced by it anyway.
    if (!m_loaded)
        return;
    m_labelEdited[row] = true;
    m_editSaver.start();
}

void Quorlin::saveEdits()
{
    m_editSaver.stop();
    if (m_moved)
        savePosition();
    m_moved = false;
    for (int row = 0; row < 3; ++row) {
        if (m_labelEdited[row])
            SettingsSchema::write(m_platform.store, SettingsSchema::statusKey(row),
                                  labelBoxes()[row]->text());
        m_labelEdited[row] = false;
    }
}

void Quorlin::Timer1_Timer()
{
    // With the lines, the driver's count of their edges: a line that went on
    // and off again since the last tick flashes its lamp.
    const std::optional<EdgeCounts> counts = MSComm1.edgeCounts();
    // A failed read (no port open) ends the tick: the lamps hold their state.
    const auto cts = MSComm1.CTSHolding();
    if (!cts)
        return;
    showLine(2, *cts, counts);
    const auto cd = MSComm1.CDHolding();
    if (!cd)
        return;
    showLine(0, *cd, counts);
    const auto dsr = MSComm1.DSRHolding();
    if (!dsr)
        return;
    showLine(1, *dsr, counts);
}

void Quorlin::showLine(int row, bool on, const std::optional<EdgeCounts>& counts)
{
    const LineActivity::Row seen = m_activity.read(row, on, counts, LineActivity::Clock::now());
    Picture2[row]->showLine(on, seen.pulses, seen.flash);
}

void Quorlin::chkOnTop_Click()
{
    SetFormOnTop(*this, chkOnTop->checkState() == Qt::Checked);
    SettingsSchema::write(m_platform.store, Key::OnTop, onTopState());
}

QString Quorlin::onTopState() const
{
    return chkOnTop->checkState() == Qt::Checked ? QStringLiteral("1") : QStringLiteral("0");
}

void Quorlin::SetFormOnTop(QWidget& form, bool onTop)
{
    // The window's place and size in twips, handed back in pixels, so that
    // the change of band leaves the window where it is.
    const double twipsX = Twips::perPixelX(&form);
    const double twipsY = Twips::perPixelY(&form);
    const QRect frame = form.frameGeometry();
    const QRect pixels(Twips::toPixels(frame.x() * twipsX, twipsX),
                       Twips::toPixels(frame.y() * twipsY, twipsY),
                       Twips::toPixels(frame.width() * twipsX, twipsX),
                       Twips::toPixels(frame.height() * twipsY, twipsY));
    WindowZOrder::setWindowPos(
        form, onTop ? WindowZOrder::Band::Topmost : WindowZOrder::Band::NotTopmost, pixels);
}

void Quorlin::mnuExit_Click()
{
    close();
}

void Quorlin::closeEvent(QCloseEvent* event)
{
    Form_Unload();
    event->accept();
}

void Quorlin::Form_Unload()
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    // Nothing of the program's runs after this: no tick, no reload, no
    // delayed save.
    Timer1.stop();
    disconnect(&MSComm1, &MSComm::linesChanged, this, nullptr);
    m_recovery.stop();
    m_editSaver.stop();
    disconnect(&m_activation, nullptr, this, nullptr);
    if (m_loaded) {
        SettingsStore& store = m_platform.store;
        savePosition();
        SettingsSchema::write(store, Key::OnTop, onTopState());
        for (int row = 0; row < 3; ++row)
            SettingsSchema::write(store, SettingsSchema::statusKey(row), labelBoxes()[row]->text());
    }
    delete m_about;
    emit unloaded();
}

void Quorlin::mnuAbout_Click()
{
    // Closed by the program, a lost port is lost no more: nothing waits for it.
    m_recovery.stop();
    MSComm1.setPortOpen(false);
    if (!m_about)
        m_about = new frmAbout(m_platform.registry, m_platform.programs, m_platform.messages);
    m_about->show();
    m_about->raise();
    m_about->activateWindow();
}

void Quorlin::mnuIndex_Click()
{
    showHelpFile(m_platform.helpFile, m_platform.help, m_platform.messages, this);
}
