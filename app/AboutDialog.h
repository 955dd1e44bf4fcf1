#pragma once

#include "ui_AboutDialog.h"

#include <QDialog>

// The program's name, its maker and how to reach them.
class AboutDialog : public QDialog {
    Q_OBJECT

public:
    explicit AboutDialog(QWidget *parent = nullptr, Qt::WindowFlags flags = {});

    Ui_AboutDialog ui;
};
