// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

// The main window's controls and menus as they stand before any handler runs.
#include "monitor/LampBox.h"
#include "monitor/Quorlin.h"
#include "platform/desktop/ScreenTwips.h"
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
constexpr std::array<int, 3> RowTop{240, 600, 960};
const QColor LabelBackground{224, 224, 224};
} // namespace

void Quorlin::createControls()
{
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);
    const auto place = [client](QWidget* control, int left, int top, int width, int height) {
        control->setGeometry(Twips::toPixelRect(client, left, top, width, height));
    };

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
        colours.setColor(QPalette::Base, LabelBackground);
        text->setPalette(colours);
        text->setAccessibleName(tr("%1 label").arg(InputLines[row].name));
        place(text, 120, RowTop[row], 1215, 285);
        *boxes[row] = text;
    }

    // The green lamp lies in the red one, covering it exactly, so that the
    // red lamp, always visible, can speak for the row.
    for (int i = 0; i < 3; ++i) {
        Picture2[i] = new LampBox(QStringLiteral(":/lamps/red.xpm"), client);
        Picture2[i]->setObjectName(QStringLiteral("Picture2_%1").arg(i));
        place(Picture2[i], 1560, RowTop[i], 255, 255);
        Picture1[i] = new LampBox(QStringLiteral(":/lamps/green.xpm"), Picture2[i]);
        Picture1[i]->setObjectName(QStringLiteral("Picture1_%1").arg(i));
        Picture1[i]->setGeometry(Picture2[i]->rect());
        Picture1[i]->hide();
        Picture2[i]->standFor(InputLines[i].name, *Picture1[i]);
    }

    Label2 = new QLabel(tr("Always On Top"), client);
    Label2->setObjectName(QStringLiteral("Label2"));
    // Wider than the text boxes above it (1215 twips): the desktops' default
    // fonts need the room up to the check box to show the whole caption.
    place(Label2, 120, 1440, 1320, 255);

    // The box is narrower than its caption, which therefore never shows;
    // Label2 beside it is what the user reads.
    chkOnTop = new QCheckBox(QStringLiteral("Check1"), client);
    chkOnTop->setObjectName(QStringLiteral("chkOnTop"));
    chkOnTop->setAccessibleName(Label2->text());
    place(chkOnTop, 1440, 1440, 255, 255);

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

    mnuHelp = menuBar()->addMenu(tr("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuIndex = item(mnuHelp, QStringLiteral("mnuIndex"), tr("&Index"));
    mnuAbout = item(mnuHelp, QStringLiteral("mnuAbout"), tr("&About"));

    // The window is as large as its client area plus the menu bar above it,
    // however many lines the bar takes at that width.
    const QRect client = Twips::toPixelRect(this, 0, 0, ClientWidth, ClientHeight);
    resize(client.width(), client.height() + menuBar()->heightForWidth(client.width()));
}
