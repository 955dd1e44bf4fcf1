#include "app/StyleSheet.h"

#include <QApplication>

QString applicationStyleSheet() {
    return QStringLiteral(
        "QMainWindow, #centralWidget {\n"
        "    background-color: qlineargradient(spread:pad, x1:0, y1:1, x2:0, y2:0, "
        "stop:0 rgba(210, 210, 210, 255), stop:1 rgba(235, 235, 235, 255));\n"
        "}\n"
        "QMenuBar {\n"
        "    background-color: qlineargradient(spread:pad, x1:0, y1:1, x2:0, y2:0, "
        "stop:0 rgba(210, 210, 210, 255), stop:1 rgba(235, 235, 235, 255));\n"
        "    min-height: 24px;\n"
        "}\n"
        "QMenuBar::item {\n"
        "    spacing: 0px 3px;\n"
        "    padding: 0px 4px;\n"
        "    background: transparent;\n"
        "}\n"
        "QMenuBar::item:selected {\n"
        "    background: transparent;\n"
        "}\n"
        "QMenuBar::item:pressed {\n"
        "    border-style: solid;\n"
        "    border-color: black;\n"
        "    border-width: 1px;\n"
        "    border-bottom-style: none;\n"
        "    border-bottom-width: 0px;\n"
        "    background-color: qlineargradient(spread:pad, x1:0, y1:0, x2:0, y2:1, "
        "stop:0 rgba(80, 80, 80, 255), stop:1 rgba(140, 140, 140, 255));\n"
        "}\n");
}

void applyStyleSheet() {
    qApp->setStyleSheet(applicationStyleSheet());
}
