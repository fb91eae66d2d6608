#pragma once

#include <QImage>
#include <QString>
#include <QTextDocument>
#include <memory>
#include <vector>

class QPagedPaintDevice;

namespace morvek::manual {

// One entry of the table of contents: a heading and the printed page it starts on (1-based).
struct ContentsEntry {
  int level = 2;
  QString title;
  int page = 0;
};

// A user manual written in Markdown, laid out on A4 pages for one paint device (the PDF it is
// printed to), with its table of contents and the pictures it names.
//
// The source marks where the table of contents goes with a paragraph holding only
// "{{contents}}"; the headings of level 2 and 3 after it are listed with their page numbers.
// Pictures are files beside the source; a picture that cannot be read is an error, so a
// manual never goes out with a hole where a screenshot should be.
class ManualBook {
 public:
  static constexpr const char* kContentsMarker = "{{contents}}";

  // Lays the book out for `device`, which must outlive the book.
  ManualBook(QPagedPaintDevice& device, const QString& title);
  ~ManualBook();

  // The Markdown text and the folder its pictures are named from. False with a message when
  // a picture is missing or unreadable or the contents marker is absent.
  bool Load(const QString& markdown, const QString& picture_folder, QString* error);
  // Breaks the text into pages: a heading is not left alone at the foot of a page, and the
  // contents carry the pages the headings finally land on.
  void Paginate();
  // Paints every page with its number at the foot. False when the device refused.
  bool Print(QString* error);

  int page_count() const;
  const std::vector<ContentsEntry>& contents() const { return contents_; }

 private:
  // Code spans and blocks in the one fixed-pitch family the package names.
  void PinFixedPitchFamily();
  // A stretch of the laid-out text that a page break must not cut.
  struct Unit {
    double top;
    double bottom;
    bool heading;
  };
  std::vector<Unit> Units() const;
  // Chooses where each page starts.
  void BreakPages();
  // The page (0-based) a block starts on.
  int PageOf(const QTextBlock& block) const;
  void InsertContents(QTextCursor at);

  QPagedPaintDevice& device_;
  QString title_;
  QTextDocument document_;
  QSizeF page_;  // the text area of one page, in device pixels
  QMarginsF margins_;
  std::vector<ContentsEntry> contents_;
  std::vector<QTextBlock> headings_;       // the blocks of contents_, in order
  std::vector<QTextBlock> contents_rows_;  // the paragraphs that list them
  std::vector<double> page_tops_{0.0};     // where each page starts in the laid-out text
};

}  // namespace morvek::manual
