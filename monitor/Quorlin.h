// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "monitor/ActivationWatch.h"
#include "monitor/FramePlacement.h"
#include "monitor/Platform.h"
#include "monitor/PortSession.h"
#include "settings/LineChoices.h"

#include <array>
#include <chrono>
#include <QMainWindow>
#include <QPointer>
#include <QTimer>

class ChangeLog;
class frmAbout;
class LampBox;
class LineHistory;
class LineLog;
class MSComm;
class TimelineWindow;
class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QMenu;

// The main window: three pin rows, each a label the user names and a lamp
// that is green while the row's input line is asserted and red while not.
class Quorlin : public QMainWindow
{
    Q_OBJECT

public:
    static constexpr std::chrono::milliseconds PollInterval{100};
    // Edits of the labels and moves of the window reach the store once the
    // user has paused this long, not at every keystroke or pixel.
    static constexpr std::chrono::milliseconds EditSaveDelay{300};
    static constexpr int PortCount = 9;

    explicit Quorlin(const Platform& platform);
    ~Quorlin() override;

    // Records the lines' changes in `log` from the next port opened on; a
    // log that cannot be written is told as a failed save of the settings is.
    void setLineLog(LineLog& log);
    // Keeps the lines' history from the next port opened on.
    void setLineHistory(LineHistory& history);
    // A log in a format of its own, told of failures as the text log is.
    void setChangeLog(ChangeLog& log);
    // For this run, every port opens with the output so, and the choice is
    // not stored.
    void chooseLineForRun(OutputLine line, bool asserted)
    {
        m_lineChoices.chooseForRun(line, asserted);
    }
    // How long Pulse DTR and Pulse RTS hold the line the other way.
    void setPulseLength(std::chrono::milliseconds length) { m_session.setPulseLength(length); }

signals:
    // The exit path has run; the program should end now.
    void unloaded();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // Watches the native window for where the window system says the frame is.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Loads the settings, restores position, labels and on-top state, ticks
    // the stored port and opens it with RTS and DTR asserted.
    void Form_Activate();
    // Saves what the user changed in this run of position, on-top state and
    // labels, then ends the program. Before the first activation nothing was
    // loaded, and nothing is saved.
    void Form_Unload();

    // Also run at once, between ticks, when the port says its lines changed.
    void Timer1_Timer();
    void chkOnTop_Click();
    void mnuTimeline_Click();
    void mnuExit_Click();
    void mnuAbout_Click();
    void mnuIndex_Click();
    // The port commands: choose port k of the Com menu.
    void mnuCom1_Click() { portCommand(1); }
    void mnuCom2_Click() { portCommand(2); }
    void mnuCom3_Click() { portCommand(3); }
    void mnuCom4_Click() { portCommand(4); }
    void mnuCom5_Click() { portCommand(5); }
    void mnuCom6_Click() { portCommand(6); }
    void mnuCom7_Click() { portCommand(7); }
    void mnuCom8_Click() { portCommand(8); }
    void mnuCom9_Click() { portCommand(9); }
    // Com, Ports…: the ports' devices; the current port opens again when
    // its device changed.
    void mnuPorts_Click();
    // Com, DTR and RTS switch the output, kept as the port's choice; the
    // pulses and the break come and go.
    void mnuDTR_Click() { m_session.setOutput(OutputLine::DataTerminalReady, mnuDTR->isChecked()); }
    void mnuRTS_Click() { m_session.setOutput(OutputLine::RequestToSend, mnuRTS->isChecked()); }
    void mnuPulseDTR_Click() { m_session.pulse(OutputLine::DataTerminalReady); }
    void mnuPulseRTS_Click() { m_session.pulse(OutputLine::RequestToSend); }
    void mnuSendBreak_Click() { m_session.sendBreak(); }

    void createControls();
    void createMenus();
    void layOutControls();
    void connectHandlers();
    void portCommand(int k);
    void UncheckComMenus();
    void SetFormOnTop(QWidget& form, bool onTop);
    void restorePosition();
    // The window system reports the frame at `at`: the answer to a placement,
    // or a move of the user's, which is stored.
    void frameMoved(QPoint at);
    // Always On Top where the window system keeps no window above others.
    void offerKeepAboveOnly();
    void labelEdited(int row);
    void saveEdits();
    // Writes the position, the on-top state and the labels of the rows named,
    // in that order.
    void writeChanges(bool position, bool onTop, const std::array<bool, 3>& labels);
    QString onTopState() const;
    // Names each port item's device in its tool tip, and the adapter's
    // description when it is present. Lists the devices present, so it runs
    // as the menu opens rather than at start.
    void showPortDevices();
    // The port could not be opened, or was lost.
    void portNotAvailable();
    void portLinesUnreadable();
    // The items that drive the lines: enabled while a port is open, ticked
    // as the program holds its outputs.
    void showOutputs();
    void outputRefused(OutputLine line);
    void breakRefused();
    // A failure of the store or the log, in the program's message box.
    void tell(const QString& message);
    std::array<QLineEdit*, 3> labelBoxes() const { return {Text1, Text2, Text3}; }

    // Controls, under their designer names.
    QLineEdit* Text1 = nullptr;
    QLineEdit* Text2 = nullptr;
    QLineEdit* Text3 = nullptr;
    std::array<LampBox*, 3> Picture1{}; // green lamps, over
    std::array<LampBox*, 3> Picture2{}; // red lamps, beneath
    QLabel* Label2 = nullptr;
    QCheckBox* chkOnTop = nullptr;
    QTimer Timer1;
    MSComm& MSComm1;

    QMenu* mnuFile = nullptr;
    QAction* mnuTimeline = nullptr;
    QAction* mnuExit = nullptr;
    QMenu* mnuCom = nullptr;
    std::array<QAction*, PortCount> mnuComItem{}; // mnuCom1 .. mnuCom9
    QAction* mnuPorts = nullptr;
    QAction* mnuDTR = nullptr;
    QAction* mnuRTS = nullptr;
    QAction* mnuPulseDTR = nullptr;
    QAction* mnuPulseRTS = nullptr;
    QAction* mnuSendBreak = nullptr;
    QMenu* mnuHelp = nullptr;
    QAction* mnuIndex = nullptr;
    QAction* mnuAbout = nullptr;

    QString strComPort;

    Platform m_platform;
    LineHistory* m_history = nullptr;
    // Made when first asked for, and kept.
    TimelineWindow* m_timeline = nullptr;
    LineChoices m_lineChoices;
    ActivationWatch m_activation;
    QPointer<frmAbout> m_about;
    PortSession m_session;
    QTimer m_editSaver;
    std::array<bool, 3> m_labelEdited{}; // rows typed into since the last save
    bool m_moved = false;                // moved by the user since the last save
    bool m_savesMoves = false; // after the first activation, where the window system reports moves
    FramePlacement m_placement;
    bool m_loaded = false; // the first activation has loaded the settings
    bool m_unloaded = false;

    // What the exit path writes: only what this run changed, so that another
    // window on the same file, or the user's editor, keeps what it wrote.
    std::array<bool, 3> m_labelEditedThisRun{};
    bool m_movedThisRun = false;
    bool m_onTopClicked = false; // by the user, not by a load
};
