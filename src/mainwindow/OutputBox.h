#pragma once

#include <string_view>

class PointWatch;
class QPlainTextEdit;
class QString;
struct OperationResult;

// The output box's text as the operations see it: UTF-8 with CR LF line breaks. The box
// itself keeps paragraphs, so every break is converted here, in both directions.
namespace OutputBox {

// The whole text with CR LF line breaks, as Copy puts it on the clipboard.
QString text(const QPlainTextEdit &box);

// Appends at the end without resetting the text (long outputs stay fast), then puts the
// caret after the last character so the last line is in view.
void append(QPlainTextEdit &box, std::string_view text);

// Applies a result in place, as one step for undo, by the core's editOutput: the characters it
// changes become ",", looking only at the lines that `points` says may still hold a ".", and
// its text is appended; the caret then goes after the last character. A result that changes
// nothing leaves the box and its caret alone.
void apply(QPlainTextEdit &box, PointWatch &points, const OperationResult &result);

// Empties the box.
void clear(QPlainTextEdit &box);

} // namespace OutputBox
