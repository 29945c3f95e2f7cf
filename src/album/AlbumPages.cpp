#include "album/AlbumPages.h"

#include "toolkit/RunTime.h"

const char* const kAlbumCredit = "Made with Lumora picture browser";

namespace {

const char* const kBody = "<body bgproperties=\"fixed\" bgcolor=\"#FFCCCC\" text=\"#0000FF\">";

// One navigation cell; an empty target gives the label without a link.
std::string Navigation(const char* align, const char* label, const std::string& target)
{
    const std::string brackets = std::string("<font size=\"4\">[</font><font size=\"4\" face=\"Times New Roman\">")
                                 + label + "</font><font size=\"4\">]</font>";
    const std::string cell = target.empty() ? brackets : "<a href=\"" + target + "\">" + brackets + "</a>";
    return std::string("<p align=\"") + align + "\">" + cell + "</p>";
}

std::string Previous(const std::string& page, int number)
{
    return number == 1 ? Navigation("right", "No Pervious", "")
                       : Navigation("right", "Pervious", page + IntToStr(number - 1) + ".htm");
}

std::string Next(const std::string& page, int number, int last)
{
    return number == last ? Navigation("left", "No Next", "")
                          : Navigation("left", "Next", page + IntToStr(number + 1) + ".htm");
}

std::string Joined(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + '\n';
    return text;
}

// The character reference a byte of a name or title is written as, or nullptr for the
// byte itself: the three bytes that end an attribute or start a tag, and line ends,
// which a Linux name may hold and which would split the page's line.
const char* Reference(char c)
{
    switch (c) {
    case '\n': return "&#10;";
    case '\r': return "&#13;";
    case '"': return "&quot;";
    case '<': return "&lt;";
    case '>': return "&gt;";
    default: return nullptr;
    }
}

} // namespace

std::string PageText(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (const char* reference = Reference(c))
            out += reference;
        else
            out += c;
    }
    return out;
}

std::string RowFragment(const std::vector<TRowPicture>& pictures)
{
    std::vector<std::string> lines = {"<div align=\"center\">", "<table border=\"1\">", "<tr>"};
    for (const TRowPicture& p : pictures)
        lines.push_back("<td align=\"center\"><a href=\"Show" + IntToStr(p.number) + ".htm\"><img border=\"0\" src=\""
                        + PageText(p.baseName) + "t.jpg\"></a></td>");
    lines.insert(lines.end(), {"</tr>", "<tr>"});
    for (const TRowPicture& p : pictures)
        lines.push_back("<td align=\"center\"><font size=\"4\" face=\"Comic Sans MS\">" + PageText(p.baseName)
                        + "</font></td>");
    lines.insert(lines.end(), {"</tr>", "</table>", "</div>"});
    return Joined(lines);
}

std::string PicturePage(const std::string& baseName, const std::string& pictureFile, int number, int count)
{
    const std::string name = PageText(baseName);
    return Joined({
        "<html>", "<head>", "<title>" + name + "</title>", "</head>", kBody,
        "<div align=\"center\">", "<center>", "<table border=\"1\">", "<tr>",
        // The blank after the file name is part of every picture page.
        "<td><img border=\"0\" src=\"" + PageText(pictureFile) + " \"></td>",
        "</tr>", "<tr>", "<td>",
        "<p align=\"center\"><font size=\"4\" face=\"Comic Sans MS\">" + name + "</font></p>",
        "</td>", "</tr>", "</table>", "</center>", "</div>",
        "<div align=\"center\">", "<table border=\"0\">", "<tr>",
        "<td>", Previous("Show", number), "</td>",
        "<td>", Navigation("left", "Thumb", "Thumb1.htm"), "</td>",
        "<td>", Next("Show", number, count), "</td>",
        "</tr>", "</table>", "</div>", "</body>", "</html>",
    });
}

std::string IndexPage(const std::string& title, const std::vector<std::string>& fragmentLines, int number, int pages)
{
    std::vector<std::string> lines = {"<html>", "<head>", "<title>" + PageText(title) + "</title>", "</head>", kBody};
    lines.insert(lines.end(), fragmentLines.begin(), fragmentLines.end());
    lines.insert(lines.end(), {
        "<hr>", "<div align=\"center\">", "<table border=\"0\">", "<tr>",
        "<td>", Previous("Thumb", number), "</td>",
        "<td>", Next("Thumb", number, pages), "</td>",
        "</tr>", "</table>", "</div>", "<hr>",
        std::string("<p align=\"center\"><font face=\"Comic Sans MS\" size=\"3\" color=\"#000000\">") + kAlbumCredit
            + "</font></p>",
        "</body>", "</html>",
    });
    return Joined(lines);
}
