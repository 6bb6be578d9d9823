#include "PointWatch.h"

#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>

PointWatch::PointWatch(QTextDocument &document) : QObject(&document), document(document) {
    connect(&document, &QTextDocument::contentsChange, this, &PointWatch::contentsChange);
}

void PointWatch::contentsChange(int position, int removed, int added) {
    // What follows the change moves with it; a point inside the removed part is gone.
    if (pointsFrom && position < *pointsFrom)
        pointsFrom = std::max(position + added, *pointsFrom + added - removed);

    // The document counts its closing paragraph mark in some changes; it holds no text.
    const int end = std::min(position + added, document.characterCount() - 1);
    if (end <= position)
        return;
    QTextCursor inserted(&document);
    inserted.setPosition(position);
    inserted.setPosition(end, QTextCursor::KeepAnchor);
    if (inserted.selectedText().contains(QLatin1Char('.')))
        pointsFrom = std::min(pointsFrom.value_or(position), position);
}
