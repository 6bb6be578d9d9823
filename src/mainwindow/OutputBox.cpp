#include "OutputBox.h"

#include "OperationResult.h"
#include "PointWatch.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <algorithm>
#include <optional>
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

// The lines from the one that holds `from` on, as the core reads the output: UTF-8, "\n"
// between lines.
std::string linesFrom(const QTextDocument &document, int from) {
    std::string lines;
    const QTextBlock first = document.findBlock(from);
    for (QTextBlock block = first; block.isValid(); block = block.next()) {
        if (block != first)
            lines += '\n';
        lines += block.text().toStdString();
    }
    return lines;
}

// A run of consecutive lines that hold characters the core turns into commas, and their text
// with those commas in place.
struct Run {
    int start = 0;
    int end = 0; // after the last character of the run's last line
    QString text;
};

// The runs of the lines from the one that holds `from` on, which the core read as `lines`. The
// core counts in UTF-8 bytes, the box in UTF-16 units, so the lines are matched one by one.
std::vector<Run> commaRuns(const QTextDocument &document, int from, std::string lines,
                           const std::vector<std::size_t> &commas) {
    for (const std::size_t at : commas)
        lines[at] = ',';
    std::vector<Run> runs;
    auto comma = commas.begin();
    std::size_t lineStart = 0;
    bool inRun = false;
    for (QTextBlock block = document.findBlock(from); block.isValid() && comma != commas.end();
         block = block.next()) {
        const std::size_t lineEnd = std::min(lines.find('\n', lineStart), lines.size());
        const bool changed = *comma < lineEnd;
        while (comma != commas.end() && *comma < lineEnd)
            ++comma;
        if (changed) {
            if (!inRun)
                runs.push_back({block.position(), block.position(), {}});
            else
                runs.back().text += u'\n';
            runs.back().text +=
                QString::fromStdString(lines.substr(lineStart, lineEnd - lineStart));
            runs.back().end = block.position() + block.length() - 1;
        }
        inRun = changed;
        lineStart = lineEnd + 1;
    }
    return runs;
}

} // namespace

namespace OutputBox {

QString text(const QPlainTextEdit &box) {
    // The raw text keeps no-break spaces; paragraph and typed line separators become CR LF.
    QString text = box.document()->toRawText();
    text.replace(QLatin1Char('\n'), CrLf);
    text.replace(QChar::ParagraphSeparator, CrLf);
    text.replace(QChar::LineSeparator, CrLf);
    return text;
}

void append(QPlainTextEdit &box, std::string_view text) {
    if (!text.empty()) {
        QTextCursor end(box.document());
        end.movePosition(QTextCursor::End);
        end.insertText(toBoxText(text));
    }
    caretToEnd(box);
}

void apply(QPlainTextEdit &box, PointWatch &points, const OperationResult &result) {
    // Only a comma-mode result changes earlier lines; it reads just those that may hold a ".".
    const std::optional<int> from = result.outputToComma ? points.from() : std::nullopt;
    const std::string earlier = from ? linesFrom(*box.document(), *from) : std::string();
    const OutputEdit edit = editOutput(earlier, result);
    const std::vector<Run> runs =
        from ? commaRuns(*box.document(), *from, earlier, edit.commas) : std::vector<Run>();
    if (runs.empty()) {
        if (!edit.appended.empty())
            append(box, edit.appended);
    } else {
        // One edit per run of changed lines keeps a log full of points quick to turn, and
        // leaves the lines without a point as they were; the whole change is one step for undo.
        QTextCursor cursor(box.document());
        cursor.beginEditBlock();
        for (auto run = runs.rbegin(); run != runs.rend(); ++run) {
            cursor.setPosition(run->start);
            cursor.setPosition(run->end, QTextCursor::KeepAnchor);
            cursor.insertText(run->text);
        }
        cursor.movePosition(QTextCursor::End);
        cursor.insertText(toBoxText(edit.appended));
        cursor.endEditBlock();
        caretToEnd(box);
    }
    if (result.outputToComma)
        points.noneLeft();
}

void clear(QPlainTextEdit &box) {
    box.clear();
}

} // namespace OutputBox
