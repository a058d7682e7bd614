// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "about/frmAbout.h"

#include "AppIdentity.h"
#include "platform/desktop/LayoutTwips.h"
#include "platform/desktop/TaskbarButton.h"

#include <algorithm>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QWindow>

namespace {

constexpr int ClientWidth = 5730;
constexpr int ClientHeight = 3555;

// The icon is 32 pixels square; its sunken frame adds two pixels a side.
constexpr int IconFrameWidth = 2;
constexpr int IconBoxSize = 32 + 2 * IconFrameWidth;

// One stroke of the etched rule: a horizontal line from x1 to x2 at y, in
// twips, a pen width in pixels, and the palette's colour for its edge: the
// light one below the shadow, as the desktop draws a sunken edge.
struct RuleLine
{
    int x1, x2, y, penWidth;
    QPalette::ColorRole colour;
};
const std::array<RuleLine, 2> Rule{{
    {105, 5654, 2460, 2, QPalette::Light},
    {90, 5654, 2445, 1, QPalette::Dark},
}};

struct Place
{
    int left, top, width, height;
};
constexpr Place OKPlace{4245, 2625, 1260, 345};
constexpr Place SysInfoPlace{4260, 3075, 1245, 345};
constexpr Place DescriptionPlace{1050, 1200, 3885, 330};
constexpr Place TitlePlace{1080, 240, 3885, 480};
constexpr Place VersionPlace{1050, 780, 3885, 225};

// Labels in the palette's text colour, which the desktop's theme chooses to
// read well on its windows.
QLabel* makeLabel(QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QWidget* makeLine(QWidget* parent, QPalette::ColorRole colour)
{
    auto* line = new QWidget(parent);
    line->setBackgroundRole(colour);
    line->setAutoFillBackground(true);
    return line;
}

// A caption's width as drawn, without the "&" that marks its access key.
int captionWidth(const QPushButton& button)
{
    QString caption = button.text();
    caption.remove(QLatin1Char('&'));
    return button.fontMetrics().horizontalAdvance(caption);
}

QRect placed(const LayoutTwips& twips, const Place& at)
{
    return twips.rect(at.left, at.top, at.width, at.height);
}

} // namespace

frmAbout::frmAbout(Registry& registry, ProgramLauncher& programs, MessageBox& messages)
    : m_sysInfo(registry, programs, messages, this)
{
    // A dialog frame with a close box only; the size is fixed below.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setAttribute(Qt::WA_DeleteOnClose);

    createControls();
    connectHandlers();
    Form_Load();
    // After the load steps: the texts they set are what must fit.
    layOutControls();
}

void frmAbout::createControls()
{
    picIcon = new QLabel(this);
    picIcon->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    picIcon->setLineWidth(IconFrameWidth);
    picIcon->setAlignment(Qt::AlignCenter);
    picIcon->setPixmap(QPixmap(QStringLiteral(":/icons/about.xpm")));
    // A tab stop between the two buttons, as the keyboard order has it.
    picIcon->setFocusPolicy(Qt::StrongFocus);

    cmdOK = new QPushButton(tr("OK"), this);
    cmdOK->setDefault(true);
    cmdSysInfo = new QPushButton(tr("&System Info..."), this);

    for (std::size_t i = 0; i < Line1.size(); ++i)
        Line1[i] = makeLine(this, Rule[i].colour);

    lblDescription = makeLabel(this);
    lblDescription->setText(QCoreApplication::translate("AppIdentity", AppIdentity::Description));
    lblTitle = makeLabel(this);
    lblVersion = makeLabel(this);

    setTabOrder(cmdOK, picIcon);
    setTabOrder(picIcon, cmdSysInfo);
    cmdOK->setFocus();
}

void frmAbout::layOutControls()
{
    LayoutTwips twips(*this);
    // The button's caption is the widest text for its room.
    twips.fitWidth(captionWidth(*cmdSysInfo), SysInfoPlace.width);
    setFixedSize(twips.rect(0, 0, ClientWidth, ClientHeight).size());

    const QRect iconPlace = twips.rect(240, 240, 540, 540);
    picIcon->setGeometry({iconPlace.topLeft(), QSize(IconBoxSize, IconBoxSize)});
    cmdOK->setGeometry(placed(twips, OKPlace));
    cmdSysInfo->setGeometry(placed(twips, SysInfoPlace));
    // Taller than laid out when the desktop's font wraps the description onto
    // a second line: cutting it off would hide half of what it says.
    QRect description = placed(twips, DescriptionPlace);
    description.setHeight(
        std::max(description.height(), lblDescription->heightForWidth(description.width())));
    lblDescription->setGeometry(description);
    lblTitle->setGeometry(placed(twips, TitlePlace));
    lblVersion->setGeometry(placed(twips, VersionPlace));

    for (std::size_t i = 0; i < Line1.size(); ++i) {
        const RuleLine& line = Rule[i];
        QRect place = twips.rect(line.x1, line.y, line.x2 - line.x1, 0);
        // Pen widths are in pixels whatever the screen's resolution.
        place.setHeight(line.penWidth);
        Line1[i]->setGeometry(place);
    }
}

void frmAbout::connectHandlers()
{
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);
}

void frmAbout::Form_Load()
{
    setWindowTitle(tr("About %1").arg(AppIdentity::title()));
    lblVersion->setText(tr("Version %1.%2.%3")
                            .arg(AppIdentity::VersionMajor)
                            .arg(AppIdentity::VersionMinor)
                            .arg(AppIdentity::VersionRevision));
    lblTitle->setText(AppIdentity::title());
}

void frmAbout::showEvent(QShowEvent* event)
{
    // An About box is part of the program's main window, not a task of its own.
    if (!event->spontaneous())
        TaskbarButton::suppress(*windowHandle());
    QDialog::showEvent(event);
}

void frmAbout::cmdOK_Click()
{
    close();
}

void frmAbout::cmdSysInfo_Click()
{
    StartSysInfo();
}

void frmAbout::StartSysInfo()
{
    m_sysInfo.StartSysInfo();
}
