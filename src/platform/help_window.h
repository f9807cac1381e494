// The help window behind platform/help.h: contents, keyword index and the
// pages compiled in under ":/help/", listed by ":/help/index.txt".
#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

class QLineEdit;
class QListWidget;
class QTabWidget;
class QTextBrowser;

namespace baltu::platform {

struct HelpPage {
  std::vector<int> contexts;
  QString file;
  QString title;
  QStringList keywords;
};

// The lines of the mapping file (its format is written at its top).
std::vector<HelpPage> parseHelpIndex(const QString& text);
// The mapping compiled into the program.
const std::vector<HelpPage>& helpPages();

// The page of a context number; nothing when no page lists it.
std::optional<HelpPage> helpPageForContext(const std::vector<HelpPage>& pages, int context);
// The first page listing a keyword (compared without regard to case).
std::optional<HelpPage> helpPageForKeyword(const std::vector<HelpPage>& pages, const QString& keyword);

class HelpWindow : public QDialog {
  Q_OBJECT

 public:
  explicit HelpWindow(QWidget* parent);

  void showContents();
  void showPage(const HelpPage& page);
  // The index with `keyword` typed in and the nearest keyword selected.
  void showIndex(const QString& keyword);

  // The file of the page shown ("inicio.html").
  QString currentPage() const;

 private:
  void filterIndex(const QString& text);
  void openIndexEntry();
  void openContentsEntry();

  QTabWidget* tabs_;
  QListWidget* contents_;
  QLineEdit* keyword_;
  QListWidget* index_;
  QTextBrowser* browser_;
};

}  // namespace baltu::platform
