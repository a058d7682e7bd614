// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "about/SysInfoLauncher.h"

#include <array>
#include <QDialog>

class MessageBox;
class ProgramLauncher;
class QLabel;
class QPushButton;

// The About box: the program's title, version and description, and a button
// that starts the system-information tool. It is shown modeless and without
// an owner, and every way of closing it destroys it.
class frmAbout : public QDialog
{
    Q_OBJECT

public:
    explicit frmAbout(Registry& registry, ProgramLauncher& programs, MessageBox& messages);

    // The System Info button's work; see SysInfoLauncher.
    void StartSysInfo();

    // Controls, under their designer names.
    QLabel* picIcon = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdSysInfo = nullptr;
    std::array<QWidget*, 2> Line1{}; // the etched rule: [0] light, [1] shadow above it
    QLabel* lblDescription = nullptr;
    QLabel* lblTitle = nullptr;
    QLabel* lblVersion = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void createControls();
    void layOutControls();
    void connectHandlers();
    void Form_Load();
    void cmdOK_Click();
    void cmdSysInfo_Click();

    SysInfoLauncher m_sysInfo;
};
