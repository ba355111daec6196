#pragma once

#include <string>
#include <string_view>
#include <vector>

// The text of a page or report as it is built in memory: UTF-8 with LF line ends, turned into
// the file's bytes at the end.
class TPageText {
  public:
    // Appends the text and a line break.
    void Line(std::string_view text = {});
    // Appends the text with no line break.
    void Text(std::string_view text);
    // The page in code page 1250 with every LF written as CR LF; every CR stays as it is.
    std::string Bytes() const;

  private:
    std::string text_;
};

// A document text as a page holds it: each CR LF pair stored in the text is one line break (an
// LF); a lone CR stays, also one at the text's end, which then stands before whatever the page
// puts after the text, its own line break included. Pairs are joined within the one text only.
std::string DocumentText(std::string_view text);

// The text with "&", "<", ">" and '"' written as entities, so that it shows as typed.
std::string HtmlEscape(std::string_view text);

// A document text for an HTML page: its breaks as DocumentText gives them, escaped.
std::string HtmlText(std::string_view text);

// A document text with each line break (CR LF or LF) replaced by "<br>" and one line break; a
// lone CR stays.
std::string BreaksToHtml(std::string_view text);

// The lines of a multi-line edit's whole text: CR LF, LF and a lone CR each end a line, and a
// final line break starts no further line, so an empty text has none.
std::vector<std::string> SplitLines(std::string_view text);
