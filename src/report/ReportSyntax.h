#pragma once
// The line syntax shared by template files and saved report files: words,
// numbers written with a point, and quoted texts with \" \\ \n escapes.
#include <optional>
#include <string>
#include <vector>

#include "report/ReportTemplate.h"

namespace ked::report_syntax {

struct Token {
  std::string text;
  bool quoted = false;
};

// Splits a line into tokens; false (with the reason) on an unclosed quote.
bool Tokenize(const std::string& line, std::vector<Token>& tokens, std::string& error);

std::optional<double> ParseNumber(const std::string& text);
std::string FormatNumber(double value);  // shortest form, with a point
std::string Quote(const std::string& text);

// Object lines: "text ...", "line ...", "frame ...". True when the line's first
// word is an object kind; then ok tells whether it was read, error why not.
bool ParseObjectLine(const std::vector<Token>& tokens, TemplateObject& object, bool& ok,
                     std::string& error);
std::string WriteObjectLine(const TemplateObject& object);

// The words after "if": "Name" or "not Name", from tokens[pos] on; pos moves past
// them. False (with the reason) when no name follows.
bool ParseVisibleIf(const std::vector<Token>& tokens, size_t& pos, VisibleIf& condition,
                    std::string& error);
// " if Name", " if not Name", or nothing for an object or band always shown.
std::string WriteVisibleIf(const VisibleIf& condition);

// The numeric format of a text: "0", "0.00", "0,0"...; false when not one.
bool IsValidNumberFormat(const std::string& format);

}  // namespace ked::report_syntax
