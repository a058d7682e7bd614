// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QObject>

// The system's requests that the program end: SIGTERM (logging out,
// systemctl --user stop), SIGHUP (its terminal closed) and SIGINT (Ctrl+C),
// told through the event loop, so that the program can end as File, Exit
// ends it rather than losing what the user typed. A signal that was ignored
// when the program started (nohup) stays ignored, and a second signal of a
// kind ends the program at once, as it would without this. Only on Unix.
class TerminationSignals : public QObject
{
    Q_OBJECT

public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

signals:
    void requested();
};
