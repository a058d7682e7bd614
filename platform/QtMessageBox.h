#pragma once

#include "platform/MessageBox.h"

class QtMessageBox : public MessageBox
{
public:
    void show(QWidget* parent, const QString& text) override;
};
