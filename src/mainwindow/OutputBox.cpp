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

// The positions in the document of the characters the core turns into commas, line by line
// from the line that holds `from`. The core counts in UTF-8 bytes, the box in UTF-16 units.
std::vector<int> commaPositions(const QTextDocument &document, int from,
                                const OperationResult &result) {
    std::vector<int> positions;
    for (QTextBlock block = document.findBlock(from); block.isValid(); block = block.next()) {
        const std::string line = block.text().toStdString();
        for (const std::size_t offset : CommasInPlace(line, result)) {
            const auto prefix = QString::fromUtf8(line.data(), static_cast<qsizetype>(offset));
            positions.push_back(block.position() + static_cast<int>(prefix.size()));
        }
    }
    return positions;
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
    const std::vector<int> commas =
        pointsFrom ? commaPositions(*box.document(), *pointsFrom, result) : std::vector<int>();
    const std::string appended = AppendedText(result);
    if (!commas.empty()) {
        QTextCursor edit(box.document());
        edit.beginEditBlock();
        for (const int position : commas) {
            edit.setPosition(position);
            edit.setPosition(position + 1, QTextCursor::KeepAnchor);
            edit.insertText(QStringLiteral(","));
        }
        edit.movePosition(QTextCursor::End);
        edit.insertText(toBoxText(appended));
        edit.endEditBlock();
        caretToEnd(box);
        return;
    }
    Append(box, appended);
}

void Clear(QPlainTextEdit &box) {
    box.clear();
}

} // namespace OutputBox
