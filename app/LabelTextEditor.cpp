#include "app/LabelTextEditor.h"

#include "app/Settings.h"
#include "app/SettingsTreeFit.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSignalBlocker>
#include <QToolButton>
#include <QTreeWidget>

namespace {

// The context these texts are filed under in the translation.
struct LabelTextEditorTexts {
    Q_DECLARE_TR_FUNCTIONS(LabelTextEditor)
};

// One settings key per list, but the text only where it differs from the default.
void keep(const QStringList &captions, const QStringList &lines, bool isDefault) {
    Settings settings;
    if (isDefault)
        settings.forgetLabelText(captions);
    else
        settings.setLabelLines(captions, lines);
}

} // namespace

namespace {

// A row across both columns of the tree, so the text has the tree's width:
// its caption, then the content.
QTreeWidgetItem *addWideRow(QTreeWidgetItem *parent, const QString &caption,
                            const QList<QWidget *> &content) {
    auto *row = new QTreeWidgetItem(parent);
    row->setFirstColumnSpanned(true);
    auto *widget = new QWidget;
    auto *layout = new QHBoxLayout(widget);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    layout->addWidget(new QLabel(caption));
    for (QWidget *part : content)
        layout->addWidget(part, part == content.first() ? 1 : 0);
    parent->treeWidget()->setItemWidget(row, 0, widget);
    return row;
}

} // namespace

LabelTextEditor::LabelTextEditor(QTreeWidgetItem *parent, QObject *owner) : QObject(owner) {
    heading = new QTreeWidgetItem(parent, {LabelTextEditorTexts::tr("Beschriftung"), QString()});
    for (int line = 0; line < LabelTemplate::maximumLines; ++line)
        addLineRow(heading, line);
    example = new QLabel;
    example->setObjectName(QStringLiteral("labelTextExample"));
    example->setTextFormat(Qt::PlainText);
    exampleRow = addWideRow(heading, LabelTextEditorTexts::tr("Beispiel:"), {example});
    heading->setExpanded(true);
    updateExample();
}

void LabelTextEditor::addLineRow(QTreeWidgetItem *parent, int line) {
    auto *edit = new QLineEdit;
    edit->setObjectName(QStringLiteral("labelLine%1Edit").arg(line + 1));
    edit->setPlaceholderText(line == 0 ? LabelTextEditorTexts::tr("«Spalte»")
                                       : LabelTextEditorTexts::tr("leer"));
    auto *picker = new QToolButton;
    picker->setObjectName(QStringLiteral("labelLine%1ColumnButton").arg(line + 1));
    picker->setText(LabelTextEditorTexts::tr("+ Spalte"));
    picker->setToolTip(LabelTextEditorTexts::tr("Fügt den Wert einer Spalte in diese Zeile ein"));
    picker->setPopupMode(QToolButton::InstantPopup);
    picker->setMenu(new QMenu(picker));
    addWideRow(parent, LabelTextEditorTexts::tr("Zeile %1:").arg(line + 1), {edit, picker});
    lineEdits[line] = edit;
    columnPickers[line] = picker;
    connect(edit, &QLineEdit::textEdited, this, [this] { userChanged(); });
}

void LabelTextEditor::setTable(const ImportedTable *newTable, const QStringList &newCaptions,
                               int newNameColumn) {
    table = newTable;
    captions = newCaptions;
    nameColumn = newNameColumn;
    fillColumnPickers();
    const QStringList kept = Settings().labelLines(captions);
    showLines(kept.isEmpty() ? QStringList{defaultText()} : kept);
    updateExample();
    emit changed();
}

void LabelTextEditor::setNameColumn(int column) {
    const bool followsNameColumn = lineEdits[0]->text() == defaultText();
    nameColumn = column;
    if (followsNameColumn)
        setLine(0, defaultText());
}

void LabelTextEditor::fillColumnPickers() {
    for (int line = 0; line < LabelTemplate::maximumLines; ++line) {
        QMenu *menu = columnPickers[line]->menu();
        menu->clear();
        for (int column = 0; column < captions.size(); ++column) {
            QAction *action = menu->addAction(columnName(captions, column));
            connect(action, &QAction::triggered, this,
                    [this, line, column] { insertField(line, column); });
        }
        columnPickers[line]->setEnabled(!captions.isEmpty());
    }
}

void LabelTextEditor::insertField(int line, int column) {
    QLineEdit *edit = lineEdits[line];
    const QString before = edit->text().left(edit->cursorPosition());
    // Fields picked one after another come out as words, "«Vorname» «Nachname»".
    const bool needsSpace = !before.isEmpty() && !before.back().isSpace();
    edit->insert((needsSpace ? QStringLiteral(" ") : QString()) + fieldText(captions, column));
    userChanged();
}

void LabelTextEditor::setLine(int line, const QString &lineText) {
    lineEdits[line]->setText(lineText);
    userChanged();
}

QString LabelTextEditor::line(int line) const {
    return lineEdits[line]->text();
}

void LabelTextEditor::setText(const QString &labelText) {
    showLines(LabelTemplate::splitLines(labelText));
    userChanged();
}

void LabelTextEditor::showLines(const QStringList &lines) {
    for (int line = 0; line < LabelTemplate::maximumLines; ++line)
        lineEdits[line]->setText(line < lines.size() ? lines.at(line) : QString());
}

QStringList LabelTextEditor::lines() const {
    QStringList lines;
    for (const QLineEdit *edit : lineEdits)
        lines << edit->text();
    while (lines.size() > 1 && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

QString LabelTextEditor::text() const {
    return LabelTemplate::joinLines(lines());
}

LabelTemplate LabelTextEditor::labelTemplate() const {
    // The untouched text reads the chosen column by its index, whatever the captions are.
    return isDefault() ? LabelTemplate::ofColumn(nameColumn)
                       : LabelTemplate::fromLines(lines(), captions);
}

bool LabelTextEditor::isDefault() const {
    return text() == defaultText();
}

QString LabelTextEditor::defaultText() const {
    const bool hasNameColumn = nameColumn >= 0 && nameColumn < captions.size();
    return hasNameColumn ? fieldText(captions, nameColumn) : QString();
}

void LabelTextEditor::userChanged() {
    if (!captions.isEmpty())
        keep(captions, lines(), isDefault());
    updateExample();
    emit changed();
}

void LabelTextEditor::updateExample() {
    QStringList shown;
    if (table) {
        const LabelTemplate labelText = labelTemplate();
        shown = labelText.exampleLines(*table);
        if (shown.isEmpty())
            shown << LabelTextEditorTexts::tr("(leer)");
        for (const QString &missing : labelText.missingCaptions())
            shown << LabelTextEditorTexts::tr("Keine Spalte „%1“").arg(missing);
    } else {
        shown << LabelTextEditorTexts::tr("(noch keine Liste)");
    }
    example->setText(shown.join(u'\n'));
    // The row grows with the example's lines, and the rows below move along.
    exampleRow->setSizeHint(0, example->parentWidget()->sizeHint());
    refitSettingsTree(*exampleRow->treeWidget());
}
