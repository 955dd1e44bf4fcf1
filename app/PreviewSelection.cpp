#include "app/PreviewSelection.h"

#include "pages/QPagePreview.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QMenu>
#include <QMouseEvent>

namespace {
// The context these texts are filed under in the translation.
struct PreviewSelectionTexts {
    Q_DECLARE_TR_FUNCTIONS(PreviewSelection)
};

QAction *addAction(QMenu *menu, const char *name, const char *caption, bool enabled) {
    QAction *action = menu->addAction(PreviewSelectionTexts::tr(caption));
    action->setObjectName(QLatin1String(name));
    action->setEnabled(enabled);
    return action;
}

LabelSelection::Click clickOf(Qt::KeyboardModifiers modifiers) {
    const bool control = modifiers & Qt::ControlModifier;
    if (modifiers & Qt::ShiftModifier)
        return control ? LabelSelection::Click::AddRange : LabelSelection::Click::Range;
    return control ? LabelSelection::Click::Toggle : LabelSelection::Click::Only;
}
} // namespace

PreviewSelection::PreviewSelection(QPagePreview *preview, QObject *parent)
    : QObject(parent), preview(preview) {
    preview->viewport()->installEventFilter(this);
}

bool PreviewSelection::eventFilter(QObject *watched, QEvent *event) {
    if (watched != preview->viewport())
        return false;
    if (event->type() == QEvent::MouseButtonPress) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        const QPoint point = mouse->position().toPoint();
        if (mouse->button() == Qt::LeftButton)
            click(point, mouse->modifiers());
        else if (mouse->button() == Qt::RightButton)
            openMenu(point);
        return false;
    }
    if (event->type() == QEvent::ContextMenu) {
        // The right button opened the menu on its press already; the menu key
        // opens it at the middle of the preview.
        if (static_cast<QContextMenuEvent *>(event)->reason() != QContextMenuEvent::Mouse)
            openMenu(preview->viewport()->rect().center());
        return true;
    }
    return false;
}

void PreviewSelection::click(QPoint viewportPoint, Qt::KeyboardModifiers modifiers) {
    const std::optional<qsizetype> entry = preview->labelAt(viewportPoint);
    const LabelSelection::Click how = clickOf(modifiers);
    if (entry)
        preview->clickLabel(*entry, how);
    else if (how == LabelSelection::Click::Only)
        preview->clearSelection();
}

QMenu *PreviewSelection::openMenu(QPoint viewportPoint) {
    const std::optional<qsizetype> entry = preview->labelAt(viewportPoint);
    const bool picked = !preview->selection().isEmpty();
    auto *menu = new QMenu(preview);
    menu->setObjectName(QStringLiteral("previewMenu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    if (entry) {
        connect(addAction(menu, "printThisLabel", "Dieses Etikett drucken", true),
                &QAction::triggered, preview, [this, at = *entry] { preview->printLabel(at); });
    }
    connect(addAction(menu, "printSelection", "Nur Auswahl drucken", picked), &QAction::triggered,
            preview, &QPagePreview::printSelection);
    menu->addSeparator();
    connect(addAction(menu, "selectMatches", "Alle Treffer auswählen",
                      preview->searchMatches().count() > 0),
            &QAction::triggered, preview, &QPagePreview::selectSearchMatches);
    connect(addAction(menu, "clearSelection", "Auswahl aufheben", picked), &QAction::triggered,
            preview, &QPagePreview::clearSelection);
    menu->popup(preview->viewport()->mapToGlobal(viewportPoint));
    return menu;
}
