#include "platform/help_window.h"

#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <algorithm>
#include <map>

#include "platform/screen.h"

namespace baltu::platform {
namespace {

constexpr int kFileRole = Qt::UserRole;

QString startPageFile(const std::vector<HelpPage>& pages) {
  if (auto start = helpPageForContext(pages, 0)) return start->file;
  return pages.empty() ? QString() : pages.front().file;
}

}  // namespace

std::vector<HelpPage> parseHelpIndex(const QString& text) {
  std::vector<HelpPage> pages;
  const QStringList lines = text.split(QLatin1Char('\n'));
  for (const QString& raw : lines) {
    const QString line = raw.trimmed();
    if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) continue;
    const QStringList parts = line.split(QLatin1Char('|'));
    if (parts.size() < 3) continue;
    HelpPage page;
    for (const QString& number : parts[0].split(QLatin1Char(','), Qt::SkipEmptyParts)) {
      bool ok = false;
      const int context = number.trimmed().toInt(&ok);
      if (ok) page.contexts.push_back(context);
    }
    page.file = parts[1].trimmed();
    page.title = parts[2].trimmed();
    if (parts.size() > 3)
      for (const QString& keyword : parts[3].split(QLatin1Char(','), Qt::SkipEmptyParts))
        if (!keyword.trimmed().isEmpty()) page.keywords.push_back(keyword.trimmed());
    if (!page.file.isEmpty()) pages.push_back(std::move(page));
  }
  return pages;
}

const std::vector<HelpPage>& helpPages() {
  static const std::vector<HelpPage> pages = [] {
    QFile file(QStringLiteral(":/help/index.txt"));
    if (!file.open(QIODevice::ReadOnly)) return std::vector<HelpPage>{};
    return parseHelpIndex(QString::fromUtf8(file.readAll()));
  }();
  return pages;
}

std::optional<HelpPage> helpPageForContext(const std::vector<HelpPage>& pages, int context) {
  for (const HelpPage& page : pages)
    if (std::find(page.contexts.begin(), page.contexts.end(), context) != page.contexts.end()) return page;
  return std::nullopt;
}

std::optional<HelpPage> helpPageForKeyword(const std::vector<HelpPage>& pages, const QString& keyword) {
  const QString wanted = keyword.trimmed();
  for (const HelpPage& page : pages)
    for (const QString& k : page.keywords)
      if (k.compare(wanted, Qt::CaseInsensitive) == 0) return page;
  return std::nullopt;
}

HelpWindow::HelpWindow(QWidget* parent)
    : QDialog(parent, Qt::Window),
      tabs_(new QTabWidget(this)),
      contents_(new QListWidget(this)),
      keyword_(new QLineEdit(this)),
      index_(new QListWidget(this)),
      browser_(new QTextBrowser(this)) {
  setObjectName(QStringLiteral("helpWindow"));
  setWindowTitle(tr("Ayuda de Baltu"));
  setWindowIcon(programIcon());
  setModal(false);
  setAttribute(Qt::WA_DeleteOnClose);
  tabs_->setObjectName(QStringLiteral("helpTabs"));
  contents_->setObjectName(QStringLiteral("helpContents"));
  keyword_->setObjectName(QStringLiteral("helpKeyword"));
  index_->setObjectName(QStringLiteral("helpIndex"));
  browser_->setObjectName(QStringLiteral("helpBrowser"));
  browser_->setSearchPaths({QStringLiteral(":/help")});
  browser_->setOpenExternalLinks(true);

  const std::vector<HelpPage>& pages = helpPages();
  std::map<QString, QString, std::less<>> keywords;  // sorted, first page wins
  for (const HelpPage& page : pages) {
    auto* item = new QListWidgetItem(page.title, contents_);
    item->setData(kFileRole, page.file);
    for (const QString& k : page.keywords) keywords.emplace(k, page.file);
  }
  for (const auto& [k, file] : keywords) {
    auto* item = new QListWidgetItem(k, index_);
    item->setData(kFileRole, file);
  }

  auto* indexPage = new QWidget(this);
  auto* indexLayout = new QVBoxLayout(indexPage);
  indexLayout->addWidget(new QLabel(tr("Escriba la palabra clave a buscar:"), indexPage));
  indexLayout->addWidget(keyword_);
  indexLayout->addWidget(index_, 1);
  auto* show = new QPushButton(tr("&Mostrar"), indexPage);
  show->setObjectName(QStringLiteral("helpShow"));
  indexLayout->addWidget(show, 0, Qt::AlignRight);
  tabs_->addTab(contents_, tr("&Contenido"));
  tabs_->addTab(indexPage, tr("Í&ndice"));

  auto* splitter = new QSplitter(this);
  splitter->addWidget(tabs_);
  splitter->addWidget(browser_);
  splitter->setStretchFactor(1, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(splitter);

  const DialogUnits du(font());
  resize(du.size(420, 300));
  splitter->setSizes({du.x(110), du.x(310)});

  connect(contents_, &QListWidget::itemActivated, this, &HelpWindow::openContentsEntry);
  connect(contents_, &QListWidget::itemClicked, this, &HelpWindow::openContentsEntry);
  connect(index_, &QListWidget::itemActivated, this, &HelpWindow::openIndexEntry);
  connect(index_, &QListWidget::itemDoubleClicked, this, &HelpWindow::openIndexEntry);
  connect(show, &QPushButton::clicked, this, &HelpWindow::openIndexEntry);
  connect(keyword_, &QLineEdit::textEdited, this, &HelpWindow::filterIndex);
  connect(keyword_, &QLineEdit::returnPressed, this, &HelpWindow::openIndexEntry);

  const QString start = startPageFile(pages);
  if (!start.isEmpty()) browser_->setSource(QUrl(start));
}

void HelpWindow::showContents() {
  tabs_->setCurrentIndex(0);
  const QString start = startPageFile(helpPages());
  if (!start.isEmpty()) browser_->setSource(QUrl(start));
}

void HelpWindow::showPage(const HelpPage& page) {
  tabs_->setCurrentIndex(0);
  for (int row = 0; row < contents_->count(); ++row)
    if (contents_->item(row)->data(kFileRole).toString() == page.file) contents_->setCurrentRow(row);
  browser_->setSource(QUrl(page.file));
}

void HelpWindow::showIndex(const QString& keyword) {
  tabs_->setCurrentIndex(1);
  keyword_->setText(keyword);
  filterIndex(keyword);
  keyword_->setFocus();
}

QString HelpWindow::currentPage() const { return browser_->source().toString(); }

void HelpWindow::filterIndex(const QString& text) {
  // Like a printed index: select the first keyword at or after what is typed.
  const QString wanted = text.trimmed();
  for (int row = 0; row < index_->count(); ++row) {
    if (index_->item(row)->text().compare(wanted, Qt::CaseInsensitive) >= 0) {
      index_->setCurrentRow(row);
      index_->scrollToItem(index_->item(row));
      return;
    }
  }
}

void HelpWindow::openIndexEntry() {
  if (QListWidgetItem* item = index_->currentItem()) browser_->setSource(QUrl(item->data(kFileRole).toString()));
}

void HelpWindow::openContentsEntry() {
  if (QListWidgetItem* item = contents_->currentItem())
    browser_->setSource(QUrl(item->data(kFileRole).toString()));
}

}  // namespace baltu::platform
