#pragma once
// The texts of an album: the row fragment (one table of up to six thumbnails), the
// picture page and the index page. Plain text in, plain text out; every line ends in
// "\n", which the text-file writer stores as CR LF. Names go in as they are, except the
// three characters that would end an attribute or start a tag and the line ends, which
// would split a line; the title goes in as it is except for its line ends.

#include <string>
#include <vector>

// One picture of a row fragment.
struct TRowPicture {
    int number = 0;        // its picture page's number, from 1
    std::string baseName;  // the album entry's base name
};

// The credit of every index page's foot line.
extern const char* const kAlbumCredit;

// A base name or the title as page text: '"', '<' and '>' become &quot;, &lt; and
// &gt;, line feed and carriage return &#10; and &#13;.
std::string PageText(const std::string& text);

// "<div>"..."</div>": 8 + 2k lines for k pictures.
std::string RowFragment(const std::vector<TRowPicture>& pictures);

// Picture number of count; pictureFile is the picture's file name as it is spelled on
// disk. 36 lines.
std::string PicturePage(const std::string& baseName, const std::string& pictureFile, int number, int count);

// Index page number of pages, around the lines of its row fragments (without line
// ends): 5 head lines, the fragment lines, 17 navigation and foot lines.
std::string IndexPage(const std::string& title, const std::vector<std::string>& fragmentLines, int number, int pages);
