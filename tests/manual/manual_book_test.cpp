// The manual renderer on texts made for the purpose: pictures it cannot find, a text without
// a place for the contents, and headings that would fall at the foot of a page.

#include "manual/manual_book.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <sstream>

#include "pdf_text.h"

namespace {

using morvek::manual::ManualBook;

class ManualBookTest : public ::testing::Test {
 protected:
  QTemporaryDir dir_;
  QString Path(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }

  // Renders `markdown` (pictures from the temporary folder) into out.pdf.
  bool Render(const QString& markdown, QString* error) {
    QFile file(Path("out.pdf"));
    if (!file.open(QIODevice::WriteOnly)) return false;
    QPdfWriter pdf(&file);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setResolution(300);
    ManualBook book(pdf, QStringLiteral("Test"));
    if (!book.Load(markdown, dir_.path(), error)) return false;
    book.Paginate();
    contents_ = book.contents();
    return book.Print(error);
  }
  std::vector<morvek::manual::ContentsEntry> contents_;
};

TEST_F(ManualBookTest, AMissingOrBrokenPictureOrNoContentsPlaceIsAnError) {
  QFile broken(Path("broken.png"));
  ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
  broken.write("not a picture");
  broken.close();
  const struct {
    const char* markdown;
    const char* named;
  } kCases[] = {
      {"# T\n\n{{contents}}\n\n## A\n\n![x](pictures/none.png)\n", "pictures/none.png"},
      {"# T\n\n{{contents}}\n\n## A\n\n![x](broken.png)\n", "broken.png"},
      {"# T\n\n## A\n\ntext\n", "{{contents}}"},
  };
  for (const auto& c : kCases) {
    QString error;
    EXPECT_FALSE(Render(QString::fromUtf8(c.markdown), &error)) << c.markdown;
    EXPECT_TRUE(error.contains(QString::fromUtf8(c.named))) << error.toStdString();
  }
}

TEST_F(ManualBookTest, APictureWiderThanThePageIsScaledIntoIt) {
  QImage wide(4000, 300, QImage::Format_RGB32);
  wide.fill(Qt::blue);
  ASSERT_TRUE(wide.save(Path("wide.png")));
  QString error;
  ASSERT_TRUE(Render("# T\n\n{{contents}}\n\n## A\n\n![w](wide.png)\n\nafter\n", &error))
      << error.toStdString();
  const std::string pdf = Path("out.pdf").toStdString();
  EXPECT_EQ(morvek::testing::PictureCount(pdf), 1);
  // The picture is drawn at most as wide as the text (170 mm of 210), so x-ppi grows above
  // the 4000 px / 6.7 in it would have if it were cut.
  const std::string list = morvek::testing::Output("pdfimages -list '" + pdf + "'");
  const auto row = list.find(" image ");
  ASSERT_NE(row, std::string::npos);
  std::istringstream fields(list.substr(row));
  std::string image, width, height, colour, comps, bpc, enc, interp, object, id, xppi;
  fields >> image >> width >> height >> colour >> comps >> bpc >> enc >> interp >> object >> id >>
      xppi;
  EXPECT_EQ(width, "4000");
  EXPECT_GE(std::stoi(xppi), 590);  // 4000 px in at most 170 mm
}

// Short sections put a heading near every height of a page; shifted by a few lines, some
// land at the foot. None may stay there as the last line above the foot, and each contents
// entry names the page its heading is on.
TEST_F(ManualBookTest, HeadingsStayWithTheirTextAndTheContentsNameTheirPages) {
  for (int shift = 0; shift < 4; ++shift) {
    QString markdown = QStringLiteral("# T\n\n{{contents}}\n\n");
    markdown += QStringLiteral("Filler.\n\n").repeated(shift);
    for (int i = 0; i < 45; ++i) {
      markdown += QStringLiteral("## Section %1\n\n").arg(i);
      if (i % 4 == 0) markdown += QStringLiteral("### Part %1\n\n").arg(i);
      markdown += QStringLiteral("Příliš žluťoučký kůň úpěl ďábelské ódy.\n\n");
    }
    QString error;
    ASSERT_TRUE(Render(markdown, &error)) << error.toStdString();
    const std::vector<std::string> pages =
        morvek::testing::PageTexts(Path("out.pdf").toStdString());
    ASSERT_GE(pages.size(), 3u);
    ASSERT_EQ(contents_.size(), 57u);
    for (const auto& entry : contents_) {
      const std::string title = entry.title.toStdString();
      ASSERT_GE(entry.page, 1);
      ASSERT_LE(entry.page, static_cast<int>(pages.size()));
      const std::vector<std::string> lines = morvek::testing::Lines(pages[entry.page - 1]);
      std::size_t at = lines.size();
      for (std::size_t i = 0; i < lines.size(); ++i)
        if (morvek::testing::Trimmed(lines[i]) == title) at = i;
      ASSERT_LT(at, lines.size()) << title << " not on page " << entry.page;
      EXPECT_TRUE(morvek::testing::BodyFollows(lines, at))
          << title << " ends page " << entry.page << " (shift " << shift << ")";
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
