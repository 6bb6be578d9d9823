#pragma once

#include <QObject>
#include <optional>

class QTextDocument;

// Knows from which position on the output box may still hold a ".", so that comma mode reads
// only that part and not the whole log. Inserted text is looked at once, when it arrives;
// removing text never adds a point. The answer errs only towards reading too much.
class PointWatch : public QObject {
public:
    explicit PointWatch(QTextDocument &document);

    // The first position that may hold a "."; nothing when the box holds none.
    std::optional<int> from() const { return pointsFrom; }
    // Every "." has just been replaced.
    void noneLeft() { pointsFrom.reset(); }

private:
    void contentsChange(int position, int removed, int added);

    QTextDocument &document;
    std::optional<int> pointsFrom;
};
