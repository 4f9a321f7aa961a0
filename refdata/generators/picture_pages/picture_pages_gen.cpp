// picture_pages_gen OUT.sql PAGES.txt...
//
// Writes the PicturePage rows of KunFile.dll. Each source file NN.txt holds
// the pages of article NN (UTF-8):
//
//   # comments (any line starting with '#' outside a page text)
//   @page 1
//   @text
//   the page text; blank lines separate paragraphs
//   @draw
//   drawing commands, one a line (see drawing.h)
//   @page 2
//   ...
//
// Each picture is painted offscreen and stored as PNG bytes.
#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QStringList>

#include <cstdio>
#include <map>
#include <stdexcept>
#include <string>

#include "drawing.h"

namespace {

struct Page {
  QStringList text;
  QStringList drawing;
};

QString SqlText(const QString& text) {
  QString quoted = text;
  quoted.replace('\'', "''");
  return '\'' + quoted + '\'';
}

QString PageText(const QStringList& lines) {
  QStringList kept = lines;
  while (!kept.isEmpty() && kept.front().trimmed().isEmpty()) kept.removeFirst();
  while (!kept.isEmpty() && kept.back().trimmed().isEmpty()) kept.removeLast();
  // Paragraphs are single lines in the window; an empty line keeps them apart.
  return kept.join('\n');
}

std::map<int, Page> ReadPages(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) throw std::runtime_error("cannot read " + path.toStdString());
  const QStringList lines = QString::fromUtf8(file.readAll()).split('\n');
  std::map<int, Page> pages;
  Page* page = nullptr;
  enum { None, Text, Draw } mode = None;
  int lineNo = 0;
  for (QString line : lines) {
    ++lineNo;
    if (line.endsWith('\r')) line.chop(1);
    const auto where = [&] { return path.toStdString() + ":" + std::to_string(lineNo) + ": "; };
    if (line.startsWith("@page")) {
      bool ok = false;
      const int number = line.mid(5).trimmed().toInt(&ok);
      if (!ok || number < 1 || number > 15 || pages.count(number))
        throw std::runtime_error(where() + "a page number 1-15, once each");
      page = &pages[number];
      mode = None;
    } else if (line == "@text" || line == "@draw") {
      if (!page) throw std::runtime_error(where() + "@text or @draw before @page");
      mode = line == "@text" ? Text : Draw;
    } else if (mode == Text) {
      page->text << line;
    } else if (line.trimmed().isEmpty() || line.trimmed().startsWith('#')) {
      continue;
    } else if (mode == Draw) {
      page->drawing << line.trimmed();
    } else {
      throw std::runtime_error(where() + "text outside @text or @draw");
    }
  }
  if (pages.empty()) throw std::runtime_error(path.toStdString() + ": no pages");
  return pages;
}

QString Rows(const QString& path) {
  bool ok = false;
  const int article = QFileInfo(path).completeBaseName().toInt(&ok);
  if (!ok || article < 1) throw std::runtime_error(path.toStdString() + ": file name must be the article number");
  QString sql;
  for (const auto& [number, page] : ReadPages(path)) {
    QString error;
    const QImage picture = picture_pages::RenderPicture(page.drawing, error);
    if (picture.isNull())
      throw std::runtime_error(path.toStdString() + " page " + std::to_string(number) + ": " + error.toStdString());
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    sql += QString("insert into PicturePage (Article, Page, Picture, Content) values (%1, %2, X'%3', %4);\n")
               .arg(article)
               .arg(number)
               .arg(QString::fromLatin1(png.toHex()))
               .arg(SqlText(PageText(page.text)));
  }
  return sql;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fputs("usage: picture_pages_gen OUT.sql PAGES.txt...\n", stderr);
    return 2;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  try {
    QString sql;
    for (int i = 2; i < argc; ++i) sql += Rows(QString::fromLocal8Bit(argv[i]));
    QFile out(QString::fromLocal8Bit(argv[1]));
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(sql.toUtf8()) < 0)
      throw std::runtime_error("cannot write " + std::string(argv[1]));
  } catch (const std::exception& e) {
    std::fprintf(stderr, "picture_pages_gen: %s\n", e.what());
    return 1;
  }
  return 0;
}
