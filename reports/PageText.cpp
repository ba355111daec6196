#include "reports/PageText.h"

#include "platform/Cp1250.h"

void TPageText::Line(std::string_view text) {
    text_ += text;
    text_ += '\n';
}

void TPageText::Text(std::string_view text) {
    text_ += text;
}

std::string TPageText::Bytes() const {
    const std::string encoded = platform::Utf8ToCp1250(text_);
    std::string bytes;
    bytes.reserve(encoded.size() + encoded.size() / 16);
    for (const char c : encoded) {
        if (c == '\n') bytes += '\r';
        bytes += c;
    }
    return bytes;
}

std::string DocumentText(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        result += text[i];
    }
    return result;
}

std::string HtmlEscape(std::string_view text) {
    std::string escaped;
    escaped.reserve(text.size());
    for (const char c : text) {
        switch (c) {
            case '&':
                escaped += "&amp;";
                break;
            case '<':
                escaped += "&lt;";
                break;
            case '>':
                escaped += "&gt;";
                break;
            case '"':
                escaped += "&quot;";
                break;
            default:
                escaped += c;
        }
    }
    return escaped;
}

std::string HtmlText(std::string_view text) {
    return HtmlEscape(DocumentText(text));
}

std::string BreaksToHtml(std::string_view text) {
    std::string result;
    for (const char c : DocumentText(text)) {
        if (c == '\n') result += "<br>";
        result += c;
    }
    return result;
}

std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') continue;
        lines.emplace_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) lines.emplace_back(text.substr(start));
    return lines;
}
