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

double Millimetres(double mm, int dpi) { return mm / 25.4 * dpi; }

int HeadingLevel(const QTextBlock& block) { return block.blockFormat().headingLevel(); }

bool IsContentsHeading(const QTextBlock& block) {
  const int level = HeadingLevel(block);
  return level == 2 || level == 3;
}

}  // namespace

ManualBook::ManualBook(QPagedPaintDevice& device, const QString& title)
    : device_(device), title_(title) {
  const int dpi = device_.logicalDpiY();
  // Room at the foot for the page number.
  margins_ = QMarginsF(Millimetres(20, dpi), Millimetres(18, dpi), Millimetres(20, dpi),
                       Millimetres(24, dpi));
  const QRectF full = device_.pageLayout().fullRectPixels(dpi);
  // Whole device pixels: a line laid out at the top of a page starts exactly on a multiple
  // of the page height, and belongs to that page only.
  page_ = QSizeF(std::floor(full.width() - margins_.left() - margins_.right()),
                 std::floor(full.height() - margins_.top() - margins_.bottom()));
  document_.documentLayout()->setPaintDevice(&device_);
  document_.setUseDesignMetrics(true);
  document_.setDocumentMargin(0);
  document_.setPageSize(page_);
  document_.setDefaultFont(QFont(QString::fromLatin1(kFamily), 10));
}

ManualBook::~ManualBook() = default;

bool ManualBook::Load(const QString& markdown, const QString& picture_folder, QString* error) {
  document_.setMarkdown(markdown);

  // Every picture from its file, scaled down to the width of the text and the height of a page.
  struct Picture {
    int position;
    int length;
    QTextImageFormat format;
  };
  std::vector<Picture> pictures;
  for (QTextBlock b = document_.begin(); b.isValid(); b = b.next()) {
    for (auto it = b.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      if (fragment.charFormat().isImageFormat())
        pictures.push_back(
            {fragment.position(), fragment.length(), fragment.charFormat().toImageFormat()});
    }
  }
  const double device_per_picture = device_.logicalDpiX() / kPictureDpi;
  const double max_width = page_.width() / device_per_picture;
  const double max_height = page_.height() * 0.8 / device_per_picture;
  for (Picture& p : pictures) {
    const QString name = p.format.name();
    const QString path = QDir(picture_folder).filePath(name);
    const QImage image(path);
    if (image.isNull()) {
      *error = QStringLiteral("cannot read the picture '%1' (%2)").arg(name, path);
      return false;
    }
    document_.addResource(QTextDocument::ImageResource, QUrl(name), image);
    const double scale = std::min({1.0, max_width / image.width(), max_height / image.height()});
    p.format.setWidth(image.width() * scale);
    p.format.setHeight(image.height() * scale);
    QTextCursor c(&document_);
    c.setPosition(p.position);
    c.setPosition(p.position + p.length, QTextCursor::KeepAnchor);
    c.setCharFormat(p.format);
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
  if (contents_.empty()) return;
  QTextTableFormat format;
  format.setBorder(0);
  format.setCellPadding(Millimetres(0.6, device_.logicalDpiY()));
  format.setCellSpacing(0);
  format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
  format.setColumnWidthConstraints({QTextLength(QTextLength::PercentageLength, 88),
                                    QTextLength(QTextLength::PercentageLength, 12)});
  contents_table_ = at.insertTable(static_cast<int>(contents_.size()), 2, format);
  for (std::size_t i = 0; i < contents_.size(); ++i) {
    const int row = static_cast<int>(i);
    QTextCursor title = contents_table_->cellAt(row, 0).firstCursorPosition();
    QTextBlockFormat indent;
    indent.setIndent(contents_[i].level - 2);
    title.setBlockFormat(indent);
    QTextCharFormat chars;
    chars.setFontWeight(contents_[i].level == 2 ? QFont::Bold : QFont::Normal);
    title.insertText(contents_[i].title, chars);
    QTextCursor page = contents_table_->cellAt(row, 1).firstCursorPosition();
    QTextBlockFormat right;
    right.setAlignment(Qt::AlignRight);
    page.setBlockFormat(right);
    page.insertText(QStringLiteral("00"));
  }
}

int ManualBook::PageOf(const QTextBlock& block) const {
  const QTextLayout* layout = block.layout();
  double y = document_.documentLayout()->blockBoundingRect(block).top();
  if (layout && layout->lineCount() > 0) y = layout->position().y() + layout->lineAt(0).y();
  return static_cast<int>(y / page_.height());
}

void ManualBook::Relayout() {
  // The layout follows edits lazily and piece by piece; pages are measured on a whole one.
  document_.markContentsDirty(0, document_.characterCount());
  (void)document_.pageCount();
}

bool ManualBook::MoveFirstHeadingLeftAtTheFoot() {
  for (const QTextBlock& heading : headings_) {
    const QTextBlock next = heading.next();
    if (!next.isValid() || PageOf(next) == PageOf(heading)) continue;
    QTextBlockFormat format = heading.blockFormat();
    if (format.pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore) continue;
    format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    QTextCursor(heading).setBlockFormat(format);
    return true;
  }
  return false;
}

void ManualBook::Paginate() {
  // A heading whose next paragraph starts on the following page goes there too. Moving one
  // moves everything after it, so only the first such heading is moved before measuring
  // again. Then the contents get the pages; they are measured once more, in case a number
  // of another width than its placeholder reflowed a line. Every heading moves at most once.
  const std::size_t rounds = 2 * headings_.size() + 4;
  for (std::size_t round = 0; round < rounds; ++round) {
    Relayout();
    if (MoveFirstHeadingLeftAtTheFoot()) continue;
    bool same = true;
    std::vector<int> pages;
    for (std::size_t i = 0; i < headings_.size(); ++i) {
      pages.push_back(PageOf(headings_[i]) + 1);
      same = same && pages[i] == contents_[i].page;
    }
    if (same) return;
    for (std::size_t i = 0; i < headings_.size(); ++i) {
      contents_[i].page = pages[i];
      QTextTableCell cell = contents_table_->cellAt(static_cast<int>(i), 1);
      QTextCursor c = cell.firstCursorPosition();
      c.setPosition(cell.lastCursorPosition().position(), QTextCursor::KeepAnchor);
      c.insertText(QString::number(pages[i]));
    }
  }
}

int ManualBook::page_count() const { return document_.pageCount(); }

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
    const QRectF clip(0, i * page_.height(), page_.width(), page_.height());
    painter.save();
    painter.translate(margins_.left(), margins_.top() - clip.top());
    painter.setClipRect(clip);
    QAbstractTextDocumentLayout::PaintContext context;
    // Lines that start on the next page's first pixel are that page's.
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
