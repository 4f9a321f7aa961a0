#pragma once
// Illustrated articles: up to 15 pages, each a picture above a text. The pages
// live in the PicturePage table of KunFile.dll.
#include <string>
#include <vector>

namespace qk::library {

inline constexpr int kMaxPicturePages = 15;

struct PicturePage {
  std::string picture;  // encoded image (PNG bytes); empty for no picture
  std::string text;     // UTF-8, paragraphs separated by line breaks
};

struct PictureArticle {
  int number = 0;
  std::vector<PicturePage> pages;  // page k at index k-1; size is the page count N
  int PageCount() const { return static_cast<int>(pages.size()); }
};

// Reads the pages of article `number`. The page count is the highest stored
// page number within 1 … 15; pages missing below it are empty. An article
// without pages (or a database that cannot be read) has one empty page.
PictureArticle LoadPictureArticle(int number);

// Page navigation; every result lies within 1 … count.
enum class PageCommand { First, Last, Previous, Next, Button };
int NavigatePage(PageCommand command, int current, int count, int button = 0);

}  // namespace qk::library
