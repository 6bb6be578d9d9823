#include "OutputBox.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>

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

} // namespace

namespace OutputBox {

std::string Text(const QPlainTextEdit &box) {
    // The raw text keeps no-break spaces; paragraph and typed line separators become CR LF.
    QString text = box.document()->toRawText();
    QString result;
    result.reserve(text.size() + box.document()->blockCount());
    for (const QChar c : std::as_const(text)) {
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator || c == u'\n')
            result += CrLf;
        else
            result += c;
    }
    return result.toStdString();
}

void Append(QPlainTextEdit &box, std::string_view text) {
    if (!text.empty()) {
        QTextCursor end(box.document());
        end.movePosition(QTextCursor::End);
        end.insertText(toBoxText(text));
    }
    caretToEnd(box);
}

void SetText(QPlainTextEdit &box, std::string_view text) {
    box.setPlainText(toBoxText(text));
    caretToEnd(box);
}

} // namespace OutputBox
