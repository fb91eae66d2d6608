#include "manual/manual_book.h"

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextLayout>
#include <QTextTable>
#include <algorithm>
#include <cmath>

namespace morvek::manual {
namespace {

// Pictures and most fonts are measured at 96 dots per inch; the device is finer.
constexpr double kPictureDpi = 96.0;
// One family for every language: it has the Czech, German and French letters.
const char* const kFamily = "DejaVu Sans";
// Keys and file names are set in its fixed-pitch sister, named here rather than left to the
// build machine's idea of "monospace": the package states the license of what it embeds.
const char* const kFixedFamily = "DejaVu Sans Mono";

double Millimetres(double mm, int dpi) { return mm / 25.4 * dpi; }

int HeadingLevel(const QTextBlock& block) { return block.blockFormat().headingLevel(); }

bool IsContentsHeading(const QTextBlock& block) {
  const int level = HeadingLevel(block);
  return level == 2 || level == 3;
}

// A run of text with one format, by its place in the document.
struct Span {
  int position;
  int length;
  QTextCharFormat format;
};

// The runs whose format `wanted` accepts, gathered before any is changed: setting a format
// splits and merges the runs being walked.
template <typename Wanted>
std::vector<Span> Fragments(const QTextDocument& document, Wanted wanted) {
  std::vector<Span> spans;
  for (QTextBlock b = document.begin(); b.isValid(); b = b.next()) {
    for (auto it = b.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      if (wanted(fragment.charFormat()))
        spans.push_back({fragment.position(), fragment.length(), fragment.charFormat()});
    }
  }
  return spans;
}

void SetFormat(QTextDocument& document, const Span& span, const QTextCharFormat& format) {
  QTextCursor cursor(&document);
  cursor.setPosition(span.position);
  cursor.setPosition(span.position + span.length, QTextCursor::KeepAnchor);
  cursor.setCharFormat(format);
}

}  // namespace

ManualBook::ManualBook(QPagedPaintDevice& device, const QString& title)
    : device_(device), title_(title) {
  const int dpi = device_.logicalDpiY();
  // Room at the foot for the page number.
  margins_ = QMarginsF(Millimetres(20, dpi), Millimetres(18, dpi), Millimetres(20, dpi),
                       Millimetres(24, dpi));
  const QRectF full = device_.pageLayout().fullRectPixels(dpi);
  page_ = QSizeF(std::floor(full.width() - margins_.left() - margins_.right()),
                 std::floor(full.height() - margins_.top() - margins_.bottom()));
  document_.documentLayout()->setPaintDevice(&device_);
  document_.setUseDesignMetrics(true);
  document_.setDocumentMargin(0);
  // One long page: the book breaks it into pages itself (Paginate).
  document_.setTextWidth(page_.width());
  document_.setDefaultFont(QFont(QString::fromLatin1(kFamily), 10));
}

ManualBook::~ManualBook() = default;

void ManualBook::PinFixedPitchFamily() {
  const QStringList fixed{QString::fromLatin1(kFixedFamily)};
  for (Span& span : Fragments(document_, [&fixed](const QTextCharFormat& f) {
         return f.fontFixedPitch() && f.fontFamilies().toStringList() != fixed;
       })) {
    span.format.setFontFamilies(fixed);
    SetFormat(document_, span, span.format);
  }
}

bool ManualBook::Load(const QString& markdown, const QString& picture_folder, QString* error) {
  document_.setMarkdown(markdown);
  PinFixedPitchFamily();

  // Every picture from its file, scaled down to the width of the text and the height of a page.
  const std::vector<Span> pictures =
      Fragments(document_, [](const QTextCharFormat& f) { return f.isImageFormat(); });
  const double device_per_picture = device_.logicalDpiX() / kPictureDpi;
  const double max_width = page_.width() / device_per_picture;
  const double max_height = page_.height() * 0.8 / device_per_picture;
  for (const Span& p : pictures) {
    QTextImageFormat format = p.format.toImageFormat();
    const QString name = format.name();
    const QString path = QDir(picture_folder).filePath(name);
    const QImage image(path);
    if (image.isNull()) {
      *error = QStringLiteral("cannot read the picture '%1' (%2)").arg(name, path);
      return false;
    }
    document_.addResource(QTextDocument::ImageResource, QUrl(name), image);
    const double scale = std::min({1.0, max_width / image.width(), max_height / image.height()});
    format.setWidth(image.width() * scale);
    format.setHeight(image.height() * scale);
    SetFormat(document_, p, format);
  }

  // Tables of keys and commands: thin rules and room around the words.
  for (QTextFrame* frame : document_.rootFrame()->childFrames()) {
    auto* table = qobject_cast<QTextTable*>(frame);
    if (table == nullptr) continue;
    QTextTableFormat format = table->format();
    format.setBorder(Millimetres(0.2, device_.logicalDpiY()));
    format.setBorderBrush(Qt::gray);
    format.setBorderCollapse(true);
    format.setCellPadding(Millimetres(0.4, device_.logicalDpiY()));
    format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    table->setFormat(format);
  }

  for (QTextBlock b = document_.begin(); b.isValid(); b = b.next()) {
    if (b.text().trimmed() != QLatin1String(kContentsMarker)) continue;
    QTextCursor c(b);
    c.select(QTextCursor::BlockUnderCursor);
    c.movePosition(QTextCursor::StartOfBlock);
    c.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    c.removeSelectedText();
    InsertContents(c);
    return true;
  }
  *error = QStringLiteral("the text has no %1 paragraph for the table of contents")
               .arg(QLatin1String(kContentsMarker));
  return false;
}

void ManualBook::InsertContents(QTextCursor at) {
  contents_.clear();
  headings_.clear();
  for (QTextBlock b = at.block().next(); b.isValid(); b = b.next()) {
    if (!IsContentsHeading(b)) continue;
    contents_.push_back({HeadingLevel(b), b.text().trimmed(), 0});
    headings_.push_back(b);
  }
  // One paragraph per entry, the page number on a right-aligned tab stop at the right edge
  // (paragraphs rather than a table: the layout breaks pages after a long table unreliably).
  const double dpi = device_.logicalDpiY();
  for (std::size_t i = 0; i < contents_.size(); ++i) {
    QTextBlockFormat row;
    row.setIndent(contents_[i].level - 2);
    row.setTopMargin(Millimetres(contents_[i].level == 2 ? 1.2 : 0.3, dpi));
    // Tab stops are measured at 96 dots per inch, whatever the device, and
    // from where the indented text starts.
    const double right = (page_.width() - Millimetres(1, dpi)) * kPictureDpi / dpi -
                         document_.indentWidth() * (contents_[i].level - 2);
    row.setTabPositions({QTextOption::Tab(right, QTextOption::RightTab)});
    QTextCharFormat chars;
    chars.setFontWeight(contents_[i].level == 2 ? QFont::Bold : QFont::Normal);
    if (i == 0) {
      at.setBlockFormat(row);
    } else {
      at.insertBlock(row, chars);
    }
    at.insertText(contents_[i].title + QStringLiteral("\t00"), chars);
    contents_rows_.push_back(at.block());
  }
}

int ManualBook::PageOf(const QTextBlock& block) const {
  const double top = document_.documentLayout()->blockBoundingRect(block).top();
  const auto after = std::upper_bound(page_tops_.begin(), page_tops_.end(), top + 0.5);
  return static_cast<int>(after - page_tops_.begin()) - 1;
}

std::vector<ManualBook::Unit> ManualBook::Units() const {
  // The text as the pieces a page break may fall between: the lines of a paragraph (a
  // picture is a line), and whole table rows. A heading is marked to stay with what follows.
  std::vector<Unit> units;
  const QAbstractTextDocumentLayout* layout = document_.documentLayout();
  const QTextTable* last_table = nullptr;
  int last_row = -1;
  for (QTextBlock b = document_.begin(); b.isValid(); b = b.next()) {
    const QTextLayout* lines = b.layout();
    if (lines == nullptr || lines->lineCount() == 0) continue;
    const QRectF rect = layout->blockBoundingRect(b);
    const double origin = rect.top() - lines->boundingRect().top();
    const QTextTable* table = QTextCursor(b).currentTable();
    if (table != nullptr) {
      const int row = table->cellAt(b.position()).row();
      if (table == last_table && row == last_row) {
        units.back().top = std::min(units.back().top, rect.top());
        units.back().bottom = std::max(units.back().bottom, rect.bottom());
      } else {
        units.push_back({rect.top(), rect.bottom(), false});
      }
      last_table = table;
      last_row = row;
      continue;
    }
    last_table = nullptr;
    const bool heading = HeadingLevel(b) > 0;
    for (int i = 0; i < lines->lineCount(); ++i) {
      const QTextLine line = lines->lineAt(i);
      units.push_back({origin + line.y(), origin + line.y() + line.height(), heading});
    }
  }
  return units;
}

void ManualBook::BreakPages() {
  (void)document_.pageCount();  // lays the whole text out
  const std::vector<Unit> units = Units();
  page_tops_.assign(1, 0.0);
  for (std::size_t i = 0; i < units.size(); ++i) {
    // A heading goes to the next page together with the first line after it.
    std::size_t last = i;
    while (units[last].heading && last + 1 < units.size()) ++last;
    const double top = page_tops_.back();
    if (units[last].bottom - top > page_.height() && units[i].top > top)
      page_tops_.push_back(units[i].top);
  }
}

void ManualBook::Paginate() {
  // The contents get the pages the headings land on; the numbers may reflow the contents,
  // so the pages are measured again until they hold still.
  for (int round = 0; round < 5; ++round) {
    BreakPages();
    bool same = true;
    std::vector<int> pages;
    for (std::size_t i = 0; i < headings_.size(); ++i) {
      pages.push_back(PageOf(headings_[i]) + 1);
      same = same && pages[i] == contents_[i].page;
    }
    if (same) return;
    for (std::size_t i = 0; i < headings_.size(); ++i) {
      contents_[i].page = pages[i];
      const QTextBlock& row = contents_rows_[i];
      QTextCursor c(row);
      c.setPosition(row.position() + static_cast<int>(row.text().lastIndexOf(QLatin1Char('\t'))) +
                    1);
      c.setPosition(row.position() + row.length() - 1, QTextCursor::KeepAnchor);
      c.insertText(QString::number(pages[i]));
    }
  }
}

int ManualBook::page_count() const { return static_cast<int>(page_tops_.size()); }

bool ManualBook::Print(QString* error) {
  QPainter painter;
  if (!painter.begin(&device_)) {
    *error = QStringLiteral("cannot start the PDF");
    return false;
  }
  const int pages = page_count();
  const int dpi = device_.logicalDpiY();
  QFont foot(QString::fromLatin1(kFamily), 8);
  for (int i = 0; i < pages; ++i) {
    if (i > 0 && !device_.newPage()) {
      *error = QStringLiteral("cannot add page %1").arg(i + 1);
      return false;
    }
    const double top = page_tops_[static_cast<std::size_t>(i)];
    const double bottom =
        i + 1 < pages ? page_tops_[static_cast<std::size_t>(i) + 1] : top + page_.height();
    const QRectF clip(0, top, page_.width(), bottom - top);
    painter.save();
    painter.translate(margins_.left(), margins_.top() - top);
    painter.setClipRect(clip);
    QAbstractTextDocumentLayout::PaintContext context;
    // The first line of the next page starts on this one's last pixel.
    context.clip = clip.adjusted(0, 0, 0, -1);
    context.palette.setColor(QPalette::Text, Qt::black);
    document_.documentLayout()->draw(&painter, context);
    painter.restore();

    painter.setFont(foot);
    painter.setPen(Qt::darkGray);
    const QRectF line(margins_.left(), margins_.top() + page_.height() + Millimetres(8, dpi),
                      page_.width(), Millimetres(6, dpi));
    painter.drawLine(line.topLeft(), line.topRight());
    painter.drawText(line, Qt::AlignLeft | Qt::AlignBottom, title_);
    painter.drawText(line, Qt::AlignRight | Qt::AlignBottom,
                     QStringLiteral("%1 / %2").arg(i + 1).arg(pages));
  }
  if (!painter.end()) {
    *error = QStringLiteral("cannot finish the PDF");
    return false;
  }
  return true;
}

}  // namespace morvek::manual
