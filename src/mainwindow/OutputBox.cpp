#include "OutputBox.h"

#include "OperationResult.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <string>
#include <vector>

namespace {

const QString CrLf = QStringLiteral("\r\n");

// Lone CRs and LFs also end a line in the box, so they count as one break each.
QString toBoxText(std::string_view text) {
    QString boxText = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    boxText.replace(CrLf, QStringLiteral("\n"));
    boxText.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return boxText;
}

void caretToEnd(QPlainTextEdit &box) {
    QTextCursor cursor = box.textCursor();
    cursor.movePosition(QTextCursor::End);
    box.setTextCursor(cursor);
    box.ensureCursorVisible();
}

// A run of consecutive lines that hold characters the core turns into commas, and their text
// with those commas in place.
struct Run {
    int start = 0;
    int end = 0; // after the last character of the run's last line
    QString text;
};

// The runs from the line that holds `from` on. The core counts in UTF-8 bytes, the box in
// UTF-16 units.
std::vector<Run> commaRuns(const QTextDocument &document, int from, const OperationResult &result) {
    std::vector<Run> runs;
    bool inRun = false;
    for (QTextBlock block = document.findBlock(from); block.isValid(); block = block.next()) {
        const std::string line = block.text().toStdString();
        const auto offsets = CommasInPlace(line, result);
        if (offsets.empty()) {
            inRun = false;
            continue;
        }
        std::string changed = line;
        for (const std::size_t offset : offsets)
            changed[offset] = ',';
        if (!inRun)
            runs.push_back({block.position(), block.position(), {}});
        else
            runs.back().text += u'\n';
        runs.back().text += QString::fromStdString(changed);
        runs.back().end = block.position() + block.length() - 1;
        inRun = true;
    }
    return runs;
}

} // namespace

namespace OutputBox {

QString Text(const QPlainTextEdit &box) {
    // The raw text keeps no-break spaces; paragraph and typed line separators become CR LF.
    QString text = box.document()->toRawText();
    text.replace(QLatin1Char('\n'), CrLf);
    text.replace(QChar::ParagraphSeparator, CrLf);
    text.replace(QChar::LineSeparator, CrLf);
    return text;
}

void Append(QPlainTextEdit &box, std::string_view text) {
    if (!text.empty()) {
        QTextCursor end(box.document());
        end.movePosition(QTextCursor::End);
        end.insertText(toBoxText(text));
    }
    caretToEnd(box);
}

void Apply(QPlainTextEdit &box, std::optional<int> pointsFrom, const OperationResult &result) {
    const std::vector<Run> runs =
        pointsFrom ? commaRuns(*box.document(), *pointsFrom, result) : std::vector<Run>();
    const std::string appended = AppendedText(result);
    if (runs.empty()) {
        Append(box, appended);
        return;
    }
    // One edit per run of changed lines keeps a log full of points quick to turn, and leaves
    // the lines without a point as they were; the whole change is one step for undo.
    QTextCursor edit(box.document());
    edit.beginEditBlock();
    for (auto run = runs.rbegin(); run != runs.rend(); ++run) {
        edit.setPosition(run->start);
        edit.setPosition(run->end, QTextCursor::KeepAnchor);
        edit.insertText(run->text);
    }
    edit.movePosition(QTextCursor::End);
    edit.insertText(toBoxText(appended));
    edit.endEditBlock();
    caretToEnd(box);
}

void Clear(QPlainTextEdit &box) {
    box.clear();
}

} // namespace OutputBox
