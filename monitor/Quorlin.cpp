// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "monitor/Quorlin.h"

#include "about/frmAbout.h"
#include "AppIdentity.h"
#include "help/HelpIndex.h"
#include "monitor/ChangeLog.h"
#include "monitor/LampBox.h"
#include "monitor/LineLog.h"
#include "monitor/PortMessages.h"
#include "monitor/PortsDialog.h"
#include "monitor/StoredPosition.h"
#include "monitor/TimelineWindow.h"
#include "platform/desktop/ScreenTwips.h"
#include "platform/desktop/WindowZOrder.h"
#include "platform/MessageBox.h"
#include "platform/serial/MSComm.h"
#include "settings/NumberText.h"
#include "settings/PortMap.h"
#include "settings/SettingsSchema.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QLineEdit>
#include <QMenu>
#include <QScreen>
#include <QWindow>
#include <utility>

using SettingsSchema::Key;

Quorlin::Quorlin(const Platform& platform)
    : MSComm1(platform.serial), m_platform(platform), m_lineChoices(platform.store),
      m_activation(
          *this,
          [this](const QWindow* window) { return m_about && m_about->windowHandle() == window; }),
      m_session(platform.serial)
{
    setObjectName(QStringLiteral("Quorlin"));
    setWindowTitle(AppIdentity::title());
    setWindowIcon(QIcon(QStringLiteral(":/icons/quorlin.png")));
    createControls();
    createMenus();
    layOutControls();
    connectHandlers();
    if (!m_platform.windowSystem.keepsAbove)
        offerKeepAboveOnly();

    // First placement: centred on the screen. The activation sequence then
    // moves the window to where the user last had it.
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    move(screen.center() - rect().center());

    // Named and owned like the controls, so that it can be found as they are.
    Timer1.setObjectName(QStringLiteral("Timer1"));
    Timer1.setParent(this);
    Timer1.setInterval(PollInterval);
    Timer1.start();
    m_session.setParent(this);
    m_session.setLineChoices(&m_lineChoices);
    showOutputs();
    m_editSaver.setSingleShot(true);
    m_editSaver.setInterval(EditSaveDelay);
}

Quorlin::~Quorlin()
{
    delete m_about;
}

void Quorlin::setLineLog(LineLog& log)
{
    m_session.setLog(&log);
    connect(&log, &LineLog::failed, this, &Quorlin::tell);
}

void Quorlin::setLineHistory(LineHistory& history)
{
    m_history = &history;
    m_session.setHistory(&history);
    mnuTimeline->setEnabled(true);
}

void Quorlin::setChangeLog(ChangeLog& log)
{
    connect(&log, &ChangeLog::failed, this, &Quorlin::tell);
}

void Quorlin::tell(const QString& message)
{
    m_platform.messages.show(this, message);
}

void Quorlin::connectHandlers()
{
    connect(&m_activation, &ActivationWatch::activated, this, &Quorlin::Form_Activate);
    connect(&Timer1, &QTimer::timeout, this, &Quorlin::Timer1_Timer);
    connect(&m_session, &PortSession::linesChanged, this, &Quorlin::Timer1_Timer);
    connect(&m_session, &PortSession::lost, this, &Quorlin::portNotAvailable);
    // A remote port's open ends after the activation; its failure is told the same way.
    connect(&m_session, &PortSession::openFailed, this, &Quorlin::portNotAvailable);
    connect(&m_session, &PortSession::linesUnreadable, this, &Quorlin::portLinesUnreadable);
    connect(chkOnTop, &QCheckBox::toggled, this, &Quorlin::chkOnTop_Click);
    connect(chkOnTop, &QCheckBox::clicked, this, [this] { m_onTopClicked = true; });
    connect(mnuTimeline, &QAction::triggered, this, &Quorlin::mnuTimeline_Click);
    connect(mnuExit, &QAction::triggered, this, &Quorlin::mnuExit_Click);
    connect(mnuAbout, &QAction::triggered, this, &Quorlin::mnuAbout_Click);
    connect(mnuIndex, &QAction::triggered, this, &Quorlin::mnuIndex_Click);
    connect(mnuCom, &QMenu::aboutToShow, this, &Quorlin::showPortDevices);
    connect(mnuPorts, &QAction::triggered, this, &Quorlin::mnuPorts_Click);
    connect(mnuDTR, &QAction::triggered, this, &Quorlin::mnuDTR_Click);
    connect(mnuRTS, &QAction::triggered, this, &Quorlin::mnuRTS_Click);
    connect(mnuPulseDTR, &QAction::triggered, this, &Quorlin::mnuPulseDTR_Click);
    connect(mnuPulseRTS, &QAction::triggered, this, &Quorlin::mnuPulseRTS_Click);
    connect(mnuSendBreak, &QAction::triggered, this, &Quorlin::mnuSendBreak_Click);
    connect(&m_session, &PortSession::outputsChanged, this, &Quorlin::showOutputs);
    connect(&m_session, &PortSession::outputRefused, this, &Quorlin::outputRefused);
    connect(&m_session, &PortSession::breakRefused, this, &Quorlin::breakRefused);
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
    connect(&m_platform.store, &SettingsStore::saveFailed, this, &Quorlin::tell);
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

    // Text that is no port number (typed into the store by hand) names port 0,
    // which no device answers to, so the open fails and says so.
    if (!m_session.open(NumberText::toInt16(strComPort).value_or(0)))
        portNotAvailable();
}

void Quorlin::portNotAvailable()
{
    m_platform.messages.show(this, PortMessages::notAvailable(strComPort), MSComm1.errorString());
}

void Quorlin::portLinesUnreadable()
{
    // Red, as at start-up: what the lamps showed was another port's state.
    for (LampBox* green : Picture1)
        green->hide();
    m_platform.messages.show(this, PortMessages::linesUnreadable(strComPort));
}

void Quorlin::showOutputs()
{
    const bool open = m_session.isOpen();
    for (QAction* item : {mnuDTR, mnuRTS, mnuPulseDTR, mnuPulseRTS, mnuSendBreak})
        item->setEnabled(open);
    mnuDTR->setChecked(m_session.outputAsserted(OutputLine::DataTerminalReady));
    mnuRTS->setChecked(m_session.outputAsserted(OutputLine::RequestToSend));
}

void Quorlin::outputRefused(OutputLine line)
{
    m_platform.messages.show(
        this, tr("COM %1: the port cannot drive %2.").arg(strComPort, shortNameOf(line)));
}

void Quorlin::breakRefused()
{
    m_platform.messages.show(this, tr("COM %1: the port cannot send a break.").arg(strComPort));
}

void Quorlin::restorePosition()
{
    // From the first activation on, every move of the window that the window
    // system reports is stored, but the answer to this one only puts back
    // what the store already holds. Where the window system reports no
    // position, pos() is only what was asked for, and nothing is stored.
    const QPoint stored = StoredPosition::read(m_platform.store, *this);
    m_placement.placing(stored, pos());
    move(stored);
    m_savesMoves = m_platform.windowSystem.reportsPosition;
}

void Quorlin::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    // The native window exists once the widget is shown.
    if (QWindow* handle = windowHandle())
        handle->installEventFilter(this);
}

bool Quorlin::eventFilter(QObject* watched, QEvent* event)
{
    // The native window's geometry changes only as the window system reports
    // it, where the widget's takes each move asked for at once.
    if (watched == windowHandle() && event->type() == QEvent::Move)
        frameMoved(windowHandle()->framePosition());
    return QMainWindow::eventFilter(watched, event);
}

void Quorlin::frameMoved(QPoint at)
{
    if (!m_savesMoves)
        return;
    switch (m_placement.reported(at)) {
    case FramePlacement::Verdict::AskAgain:
        // Once the widget has taken in the report.
        QMetaObject::invokeMethod(
            this, [this] { move(m_placement.target()); }, Qt::QueuedConnection);
        break;
    case FramePlacement::Verdict::Settled:
        break;
    case FramePlacement::Verdict::UserMove:
        m_moved = true;
        m_movedThisRun = true;
        m_editSaver.start();
        break;
    }
}

void Quorlin::offerKeepAboveOnly()
{
    // The stored choice still shows, and stays stored, for the next run on a
    // desktop that can keep the window above.
    chkOnTop->setEnabled(false);
    const QString tip = tr("This desktop keeps a window above the others only at your request: "
                           "use \"Keep Above\" in the window's title-bar menu.");
    chkOnTop->setToolTip(tip);
    Label2->setToolTip(tip);
}

void Quorlin::labelEdited(int row)
{
    // Typing before the first load would be replaced by it anyway.
    if (!m_loaded)
        return;
    m_labelEdited[row] = true;
    m_labelEditedThisRun[row] = true;
    m_editSaver.start();
}

void Quorlin::saveEdits()
{
    m_editSaver.stop();
    writeChanges(std::exchange(m_moved, false), false, std::exchange(m_labelEdited, {}));
}

void Quorlin::writeChanges(bool position, bool onTop, const std::array<bool, 3>& labels)
{
    SettingsStore& store = m_platform.store;
    if (position)
        StoredPosition::write(store, *this);
    if (onTop)
        SettingsSchema::write(store, Key::OnTop, onTopState());
    for (int row = 0; row < 3; ++row) {
        if (labels[row])
            SettingsSchema::write(store, SettingsSchema::statusKey(row), labelBoxes()[row]->text());
    }
}

void Quorlin::Timer1_Timer()
{
    // A line whose read failed (no port open) holds its lamp's state.
    const PortSession::Readings lines = m_session.readLines();
    for (int row = 0; row < 3; ++row) {
        if (const auto& line = lines[row])
            Picture2[row]->showLine(line->on, line->pulses, line->flash);
    }
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

void Quorlin::mnuTimeline_Click()
{
    if (!m_timeline) {
        m_timeline = new TimelineWindow(
            *m_history, [this](int row) { return labelBoxes()[std::size_t(row)]->text(); },
            m_platform.messages, this);
    }
    m_timeline->show();
    m_timeline->raise();
    m_timeline->activateWindow();
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
    m_session.end();
    m_editSaver.stop();
    disconnect(&m_activation, nullptr, this, nullptr);
    // Only what this run changed, most of it saved already, so that a save
    // that failed is tried once more; the rest stays as the file has it now,
    // which may be another window's doing or the user's editor's.
    if (m_loaded)
        writeChanges(m_movedThisRun, m_onTopClicked, m_labelEditedThisRun);
    delete m_about;
    emit unloaded();
}

void Quorlin::mnuAbout_Click()
{
    // Closed by the program, a lost port is lost no more: nothing waits for it.
    m_session.close();
    if (!m_about) {
        m_about = new frmAbout(m_platform.registry, m_platform.programs, m_platform.messages);
        connect(m_about, &QDialog::finished, &m_activation, &ActivationWatch::returnWindowClosed);
    }
    m_activation.leftForReturnWindow();
    m_about->show();
    m_about->raise();
    m_about->activateWindow();
}

void Quorlin::mnuIndex_Click()
{
    showHelpFile(m_platform.helpFile, m_platform.help, m_platform.messages, this);
}

void Quorlin::portCommand(int k)
{
    strComPort = QString::number(k);
    UncheckComMenus();
    mnuComItem[k - 1]->setChecked(true);
    SettingsSchema::write(m_platform.store, SettingsSchema::Key::ComPort, strComPort);
    Form_Activate();
}

void Quorlin::UncheckComMenus()
{
    for (QAction* port : mnuComItem)
        port->setChecked(false);
}

void Quorlin::showPortDevices()
{
    const QList<SerialDeviceInfo> present = m_platform.presentDevices();
    for (int k = 1; k <= PortCount; ++k) {
        const QString device = MSComm1.deviceFor(k);
        QString tip =
            QStringLiteral("Com%1: %2").arg(k).arg(device.isEmpty() ? tr("no device") : device);
        if (const SerialDeviceInfo* adapter = findDevice(present, device);
            adapter && !adapter->description.isEmpty())
            tip += QStringLiteral(", ") + adapter->description;
        mnuComItem[k - 1]->setToolTip(tip);
        mnuComItem[k - 1]->setStatusTip(tip);
    }
}

void Quorlin::mnuPorts_Click()
{
    PortMap ports(m_platform.store);
    const int current = MSComm1.commPort();
    const QString before = MSComm1.deviceFor(current);
    PortsDialog dialog(PortCount, ports, m_platform.presentDevices, m_platform.messages, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    // The dialog maps only the menu's ports, so a change is one of them: it
    // is opened on its new device as choosing it from the menu opens it.
    if (MSComm1.deviceFor(current) != before)
        portCommand(current);
}
