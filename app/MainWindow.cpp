#include "app/MainWindow.h"

#include "app/AboutDialog.h"
#include "app/StyleSheet.h"

#include <QApplication>

namespace {
constexpr int defaultLabelWidthMm = 100;
constexpr int defaultLabelHeightMm = 10;
constexpr int defaultLabelPointSize = 10;
} // namespace

MainWindow::MainWindow(QWidget *parent, Qt::WindowFlags flags) : QMainWindow(parent, flags) {
    ui.setupUi(this);

    connect(ui.action_Beenden, SIGNAL(triggered()), this, SLOT(close()));
    connect(ui.action_ber_Qt, SIGNAL(triggered()), qApp, SLOT(aboutQt()));
    connect(ui.action_ber_Tagomat, SIGNAL(triggered()), this, SLOT(about()));
    connect(ui.actionXLS_Importieren, SIGNAL(triggered()), this, SLOT(slotImportXLS()));
    connect(ui.actionXML_Importieren, SIGNAL(triggered()), this, SLOT(slotImportXML()));
    connect(ui.actionCVS_Importieren, SIGNAL(triggered()), this, SLOT(slotImportCVS()));
    connect(ui.actionD_rucken, SIGNAL(triggered()), this, SLOT(printPages()));
    connect(ui.actionSchriftart, SIGNAL(triggered()), this, SLOT(selectFont()));
    connect(ui.searchEdit, SIGNAL(textChanged(QString)), this, SLOT(scrollToName(QString)));
    connect(ui.filterEdit, SIGNAL(textChanged(QString)), this, SLOT(reloadPage(QString)));
    connect(ui.nextButton, SIGNAL(clicked()), this, SLOT(nextPage()));
    connect(ui.prevButton, SIGNAL(clicked()), this, SLOT(previousPage()));

    ui.pagePreview->setLabelDimensions(defaultLabelWidthMm, defaultLabelHeightMm);
    // "Arial" is matched by a metric-compatible face where it is not installed.
    ui.pagePreview->labelFont = QFont(QStringLiteral("Arial"), defaultLabelPointSize);
    ui.pagePreview->update();

    applyStyleSheet();
}

MainWindow::~MainWindow() = default;

void MainWindow::slotImportXLS() {}

void MainWindow::slotImportXML() {}

void MainWindow::slotImportCVS() {}

void MainWindow::slotUpdateFileInfo() {}

void MainWindow::setLabelSize() {}

void MainWindow::printPages() {
    ui.pagePreview->printPage();
}

void MainWindow::selectFont() {}

void MainWindow::nextPage() {}

void MainWindow::previousPage() {}

void MainWindow::reloadPage(QString filter) {
    filterText = filter;
}

void MainWindow::about() {
    // No parent: a window of its own, and each call opens another one.
    auto *dialog = new AboutDialog;
    dialog->ui.setupUi(dialog);
    connect(dialog->ui.aboutCloseButton, SIGNAL(clicked()), dialog, SLOT(close()));
    // Closing only hides it; it goes when the program's window goes.
    connect(this, &QObject::destroyed, dialog, [dialog] { delete dialog; });
    dialog->show();
}

void MainWindow::scrollToName(QString) {}
