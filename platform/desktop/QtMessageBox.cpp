// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "platform/desktop/QtMessageBox.h"

#include <QMessageBox>
#include <utility>

QtMessageBox::QtMessageBox(QString caption) : m_caption(std::move(caption)) {}

void QtMessageBox::show(QWidget* parent, const QString& text, const QString& informativeText)
{
    QMessageBox box(QMessageBox::NoIcon, m_caption, text, QMessageBox::Ok, parent);
    box.setInformativeText(informativeText);
    box.exec();
}
