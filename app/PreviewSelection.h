#pragma once

#include <QObject>
#include <QPoint>

class QMenu;
class QPagePreview;

// Picks labels in the preview with the mouse and prints them from its
// context menu. A click picks the label under the mouse, Ctrl+click adds or
// removes one, Shift+click picks the labels from the last one clicked (in
// list order); a click beside every label picks none. The right button
// offers "Dieses Etikett drucken" for the label under the mouse, "Nur Auswahl
// drucken", "Alle Treffer auswählen" (what the search finds) and "Auswahl
// aufheben". The preview keeps the labels picked and prints them.
class PreviewSelection : public QObject {
    Q_OBJECT

public:
    // Watches the preview's viewport for the rest of the preview's life.
    PreviewSelection(QPagePreview *preview, QObject *parent = nullptr);

    // The context menu for a point of the viewport, opened there; it
    // deletes itself once closed.
    QMenu *openMenu(QPoint viewportPoint);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void click(QPoint viewportPoint, Qt::KeyboardModifiers modifiers);

    QPagePreview *preview;
};
