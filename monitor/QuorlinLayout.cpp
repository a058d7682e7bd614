// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

// The main window's controls and menus as they stand before any handler runs.
#include "monitor/LampBox.h"
#include "monitor/Quorlin.h"
#include "platform/desktop/LayoutTwips.h"
#include "platform/desktop/ReadableText.h"
#include "platform/desktop/TextBoxRoom.h"
#include "platform/serial/InputLine.h"
#include "settings/SettingsSchema.h"

#include <limits>
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>

namespace {
constexpr int ClientWidth = 2010; // twips
constexpr int ClientHeight = 1875;
const QColor LabelBackground{224, 224, 224};

// Where each control lies, in twips at the layout's scale.
struct Place
{
    int left, top, width, height;
};
constexpr std::array<Place, 3> TextPlace{
    {{120, 240, 1215, 285}, {120, 600, 1215, 285}, {120, 960, 1215, 285}}};
constexpr Place LampPlace{1560, 0, 255, 255}; // at the top of its row
// Wider than the text boxes above it (1215 twips): the desktops' default
// fonts need the room up to the check box to show the whole caption.
constexpr Place Label2Place{120, 1440, 1320, 255};
constexpr Place OnTopPlace{1440, 1440, 255, 255};

} // namespace

void Quorlin::createControls()
{
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);

    const QStringList names{QStringLiteral("Text1"), QStringLiteral("Text2"),
                            QStringLiteral("Text3")};
    const std::array<QLineEdit**, 3> boxes{&Text1, &Text2, &Text3};
    for (int row = 0; row < 3; ++row) {
        auto* text = new QLineEdit(SettingsSchema::defaultLabel(row), client);
        text->setObjectName(names[row]);
        // A label may be of any length: the box's default limit would cut a
        // long stored label, and the cut text would be saved at exit.
        text->setMaxLength(std::numeric_limits<int>::max());
        QPalette colours = text->palette();
        // The light grey is the box's own, whatever the desktop's theme: the
        // text takes a colour that can be read on it.
        colours.setColor(QPalette::Base, LabelBackground);
        colours.setColor(QPalette::Text,
                         ReadableText::on(LabelBackground, colours.color(QPalette::Text)));
        text->setPalette(colours);
        text->setAccessibleName(tr("%1 label").arg(InputLines[row].name));
        *boxes[row] = text;
    }

    // The green lamp lies in the red one, covering it exactly, so that the
    // red lamp, always visible, can speak for the row.
    for (int i = 0; i < 3; ++i) {
        Picture2[i] = new LampBox(QStringLiteral(":/lamps/red.xpm"), client);
        Picture2[i]->setObjectName(QStringLiteral("Picture2_%1").arg(i));
        Picture1[i] = new LampBox(QStringLiteral(":/lamps/green.xpm"), Picture2[i]);
        Picture1[i]->setObjectName(QStringLiteral("Picture1_%1").arg(i));
        Picture1[i]->hide();
        Picture2[i]->standFor(InputLines[i].name, *Picture1[i]);
    }

    Label2 = new QLabel(tr("Always On Top"), client);
    Label2->setObjectName(QStringLiteral("Label2"));

    // The box is narrower than its caption, which therefore never shows;
    // Label2 beside it is what the user reads.
    chkOnTop = new QCheckBox(QStringLiteral("Check1"), client);
    chkOnTop->setObjectName(QStringLiteral("chkOnTop"));
    chkOnTop->setAccessibleName(Label2->text());

    setTabOrder(chkOnTop, Text1);
    setTabOrder(Text1, Text2);
    setTabOrder(Text2, Text3);
    chkOnTop->setFocus();
}

void Quorlin::createMenus()
{
    const auto item = [this](QMenu* menu, const QString& name, const QString& caption) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(name);
        return action;
    };

    mnuFile = menuBar()->addMenu(tr("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuTimeline = item(mnuFile, QStringLiteral("mnuTimeline"), tr("&Timeline…"));
    // Only a window that keeps the history has one to show.
    mnuTimeline->setEnabled(false);
    mnuExit = item(mnuFile, QStringLiteral("mnuExit"), tr("&Exit"));

    mnuCom = menuBar()->addMenu(tr("&Com"));
    mnuCom->setObjectName(QStringLiteral("mnuCom"));
    mnuCom->setToolTipsVisible(true);
    for (int k = 1; k <= PortCount; ++k) {
        QAction* port = item(mnuCom, QStringLiteral("mnuCom%1").arg(k), tr("&Com%1").arg(k));
        port->setCheckable(true);
        mnuComItem[k - 1] = port;
    }
    mnuCom->addSeparator();
    mnuPorts = item(mnuCom, QStringLiteral("mnuPorts"), tr("&Ports…"));
    mnuCom->addSeparator();
    mnuDTR = item(mnuCom, QStringLiteral("mnuDTR"), tr("&DTR"));
    mnuRTS = item(mnuCom, QStringLiteral("mnuRTS"), tr("&RTS"));
    for (QAction* output : {mnuDTR, mnuRTS})
        output->setCheckable(true);
    mnuPulseDTR = item(mnuCom, QStringLiteral("mnuPulseDTR"), tr("Pulse D&TR"));
    mnuPulseRTS = item(mnuCom, QStringLiteral("mnuPulseRTS"), tr("Pulse RT&S"));
    mnuSendBreak = item(mnuCom, QStringLiteral("mnuSendBreak"), tr("Send &Break"));

    mnuHelp = menuBar()->addMenu(tr("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuIndex = item(mnuHelp, QStringLiteral("mnuIndex"), tr("&Index"));
    mnuAbout = item(mnuHelp, QStringLiteral("mnuAbout"), tr("&About"));
}

void Quorlin::layOutControls()
{
    LayoutTwips twips(*this);
    twips.fitWidth(Label2->fontMetrics().horizontalAdvance(Label2->text()), Label2Place.width);
    // The default labels whole, in the style's own frame and padding.
    for (const QLineEdit* box : labelBoxes())
        twips.fitWidth(textBoxWidthFor(*box), TextPlace[0].width);
    // File, Com and Help on one line of the bar.
    twips.fitWidth(menuBar()->sizeHint().width(), ClientWidth);
    const auto place = [&twips](QWidget* control, const Place& at, int top) {
        control->setGeometry(twips.rect(at.left, top, at.width, at.height));
    };
    for (int row = 0; row < 3; ++row) {
        place(labelBoxes()[row], TextPlace[row], TextPlace[row].top);
        place(Picture2[row], LampPlace, TextPlace[row].top);
        Picture1[row]->setGeometry(Picture2[row]->rect());
    }
    place(Label2, Label2Place, Label2Place.top);
    place(chkOnTop, OnTopPlace, OnTopPlace.top);

    // The window is as large as its client area plus the menu bar above it,
    // however many lines the bar takes at that width.
    const QRect client = twips.rect(0, 0, ClientWidth, ClientHeight);
    resize(client.width(), client.height() + menuBar()->heightForWidth(client.width()));
}
