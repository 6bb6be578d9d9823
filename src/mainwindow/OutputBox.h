#pragma once

#include <string>
#include <string_view>

class QPlainTextEdit;

// The output box's text as the operations see it: UTF-8 with CR LF line breaks. The box
// itself keeps paragraphs, so every break is converted here, in both directions.
namespace OutputBox {

std::string Text(const QPlainTextEdit &box);

// Appends at the end without resetting the text (long outputs stay fast), then puts the
// caret after the last character so the last line is in view.
void Append(QPlainTextEdit &box, std::string_view text);

// Replaces the whole text; the caret goes after the last character.
void SetText(QPlainTextEdit &box, std::string_view text);

} // namespace OutputBox
