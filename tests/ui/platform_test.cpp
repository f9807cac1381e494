#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>

#include "browser/ui/splash_window.h"
#include "platform/help.h"
#include "platform/help_window.h"
#include "platform/progress_window.h"
#include "platform/qt_user_interface.h"
#include "platform/screen.h"
#include "platform/shell.h"
#include "platform/startup_checks.h"
#include "platform/text_conversion.h"
#include "store/text.h"
#include "ui_test_support.h"

namespace baltu::platform {
namespace {

TEST(TextConversion, RoundTripsWindows1252) {
  const std::string bytes = store::cp("Guía Eléctrica ñ € “x” ÏÏÏ");
  const QString text = fromCp1252(bytes);
  EXPECT_EQ(text, QString::fromUtf8("Guía Eléctrica ñ € “x” ÏÏÏ"));
  EXPECT_EQ(toCp1252(text), bytes);
  EXPECT_EQ(toCp1252(QString::fromUtf8("中")), "?");
}

class QtUserInterfaceTest : public ::testing::Test {
 protected:
  void SetUp() override { QtUserInterface::clearAnswers(); }
  void TearDown() override { QtUserInterface::clearAnswers(); }
};

TEST_F(QtUserInterfaceTest, NextAnswersAreGivenInOrderAndTheMessagesKept) {
  QtUserInterface ui;
  QtUserInterface::queueAnswers({store::Answer::Retry, store::Answer::No});
  store::Message first;
  first.text = "uno";
  first.buttons = store::MessageButtons::AbortRetryIgnore;
  store::Message second;
  second.text = "dos";
  second.buttons = store::MessageButtons::YesNo;
  EXPECT_EQ(ui.showMessage(first), store::Answer::Retry);
  EXPECT_EQ(ui.showMessage(second), store::Answer::No);
  EXPECT_EQ(QtUserInterface::pendingAnswers(), 0u);
  ASSERT_EQ(QtUserInterface::answeredMessages().size(), 2u);
  EXPECT_EQ(QtUserInterface::answeredMessages()[1].text, "dos");
}

TEST_F(QtUserInterfaceTest, MessageBoxSpeaksSpanishAndHonoursTheDefaultButton) {
  QtUserInterface ui;
  store::Message message;
  message.caption = store::cp("Baltu - Presupuesto");
  message.text = store::cp("Línea uno\r\nLínea dos");
  message.icon = store::MessageIcon::Exclamation;
  message.buttons = store::MessageButtons::OkCancel;
  message.defaultButton = 1;

  QStringList buttons;
  QString title;
  QString text;
  QString defaultText;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  test::whenModalOpens([&](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    ASSERT_NE(box, nullptr);
    title = box->windowTitle();
    text = box->text();
    icon = box->icon();
    for (QAbstractButton* b : box->buttons()) buttons << b->text();
    defaultText = box->defaultButton()->text();
    box->defaultButton()->click();
  });
  EXPECT_EQ(ui.showMessage(message), store::Answer::Cancel);
  EXPECT_EQ(title, QStringLiteral("Baltu - Presupuesto"));
  EXPECT_EQ(text, QString::fromUtf8("Línea uno\nLínea dos"));
  EXPECT_EQ(icon, QMessageBox::Warning);
  EXPECT_EQ(buttons, QStringList({QStringLiteral("Aceptar"), QStringLiteral("Cancelar")}));
  EXPECT_EQ(defaultText, QStringLiteral("Cancelar"));
}

TEST_F(QtUserInterfaceTest, ProgressGoesToTheAttachedWindowAndCancelStops) {
  QtUserInterface ui;
  ui.showProgress("sin destino");  // nowhere to go: nothing happens
  EXPECT_FALSE(ui.stopRequested());

  browser::ui::SplashWindow splash(false);
  ProgressTarget* previous = nullptr;
  {
    previous = ui.attachProgress(&splash);
    ui.showProgress(store::cp(" Leyendo las Partidas de la Guía 3 - Urbanismo ..."));
    EXPECT_EQ(splash.progressText(), QString::fromUtf8(" Leyendo las Partidas de la Guía 3 - Urbanismo ..."));
    test::screenshot(splash, QStringLiteral("splash"));

    RecalculationProgress recalculation(ui, nullptr);
    ProgressWindow& window = recalculation.window();
    EXPECT_FALSE(window.isVisible()) << "shown only when the job reports";
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Recalculando Precios Unitarios"));
    ui.showProgress("Recalculando P.U.3 de4");
    ui.showProgress("75%");
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.findChild<QLabel*>(QStringLiteral("progressLabel"))->text(), QStringLiteral("Recalculando P.U.3 de4"));
    EXPECT_EQ(window.findChild<QLabel*>(QStringLiteral("progressPercent"))->text(), QStringLiteral("75%"));
    EXPECT_EQ(window.findChild<QProgressBar*>(QStringLiteral("progressBar"))->value(), 75);
    test::screenshot(window, QStringLiteral("progress_window"));
    EXPECT_FALSE(ui.stopRequested());
    window.findChild<QPushButton*>(QStringLiteral("progressCancel"))->click();
    EXPECT_TRUE(ui.stopRequested());
  }
  EXPECT_EQ(ui.progressTarget(), &splash) << "the splash is attached again";
  EXPECT_FALSE(ui.stopRequested());
  ui.attachProgress(previous);
}

TEST_F(QtUserInterfaceTest, ProgressDuringAModalWindowBelongsToIt) {
  QtUserInterface ui;
  QWidget main;
  RecalculationProgress progress(ui, &main);
  auto* dialog = new QDialog(&main);
  QWidget* owner = nullptr;
  bool cancelEnabled = false;
  test::whenModalOpens([&](QWidget*) {
    ui.showProgress("50%");
    owner = progress.window().parentWidget();
    cancelEnabled = progress.window().findChild<QPushButton*>(QStringLiteral("progressCancel"))->isEnabled();
    dialog->reject();
  });
  dialog->exec();
  EXPECT_EQ(owner, dialog) << "Cancel must stay usable while the modal window runs the job";
  EXPECT_TRUE(cancelEnabled);
  delete dialog;  // takes the progress window with it
  EXPECT_EQ(ui.progressTarget(), nullptr);
  ui.showProgress("60%");
  EXPECT_FALSE(ui.stopRequested());
}

TEST(SplashWindow, PictureFollowsResolutionAndSwitch) {
  struct Case {
    int dpi;
    bool byCode;
    const char* picture;
  };
  for (const Case& c : {Case{96, false, ":/images/splash_96.png"}, Case{96, true, ":/images/splash_i_96.png"},
                        Case{97, false, ":/images/splash_120.png"}, Case{120, true, ":/images/splash_i_120.png"},
                        Case{144, false, ":/images/splash_144.png"}, Case{145, false, ":/images/splash_i_192.png"}}) {
    const QString picture = browser::ui::splashPicture(c.dpi, c.byCode);
    EXPECT_EQ(picture, QString::fromLatin1(c.picture)) << c.dpi;
    EXPECT_FALSE(QPixmap(picture).isNull()) << c.picture;
  }
}

TEST(Screen, LayoutChoiceAndDialogUnits) {
  EXPECT_TRUE(largeLayout(96, 1024));
  EXPECT_FALSE(largeLayout(96, 1023));
  EXPECT_FALSE(largeLayout(97, 1920));
  const DialogUnits du(programFont("MS Sans Serif", 8));
  EXPECT_GT(du.x(4), 0);
  EXPECT_NEAR(du.x(400), 100 * du.x(4), 100);
  EXPECT_EQ(fontFamilyFor("Courier New"), QStringLiteral("Liberation Mono"));
  EXPECT_EQ(fontFamilyFor("Times New Roman"), QStringLiteral("Liberation Serif"));
  EXPECT_EQ(fontFamilyFor("MS Sans Serif"), QStringLiteral("Liberation Sans"));
}

TEST(StartupChecks, NarrowScreenAsksAndCancelEnds) {
  test::ScriptedUi ui;
  EXPECT_TRUE(runPlatformChecks(ui, true, 800));
  EXPECT_TRUE(ui.messages.empty());

  ui.answers = {store::Answer::Cancel, store::Answer::Ok};
  EXPECT_FALSE(runPlatformChecks(ui, true, 640));
  EXPECT_TRUE(runPlatformChecks(ui, true, 799));
  ASSERT_EQ(ui.messages.size(), 2u);
  const store::Message& m = ui.messages[0];
  EXPECT_EQ(m.text, store::cp("Baltu ha sido diseñado para utilizar una resolución mínima de pantalla de 800x600 "
                              "pixeles. Si continúa, el programa se ejecutará pero parte de las ventanas no podrán "
                              "mostrarse correctamente y no podrá utilizarlo.\r\n\r\nSeleccione Cancelar para salir "
                              "del programa, cambie la resolución de su pantalla y vuelva a ejecutar Baltu."));
  EXPECT_EQ(m.buttons, store::MessageButtons::OkCancel);
  EXPECT_EQ(m.icon, store::MessageIcon::Exclamation);
  EXPECT_EQ(m.defaultButton, 1);

  test::ScriptedUi noScreen;
  EXPECT_FALSE(runPlatformChecks(noScreen, false, 0));
  EXPECT_EQ(noScreen.messages.size(), 1u);
}

TEST(Shell, OpenersReportMissingFilesAndMissingApplications) {
  test::TempFolder folder;
  folder.write("REVISIONES.TXT", "rev");
  std::vector<QUrl> opened;
  bool accept = true;
  setUrlOpener([&](const QUrl& url) {
    opened.push_back(url);
    return accept;
  });
  test::ScriptedUi ui;
  EXPECT_TRUE(openDocument(folder / "REVISIONES.TXT", DocumentKind::Text, ui));
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(opened[0].toLocalFile().toStdString(), (folder / "REVISIONES.TXT").string());
  EXPECT_TRUE(ui.messages.empty());

  EXPECT_FALSE(openDocument(folder / "GUIAS REFERENCIALES.doc", DocumentKind::WordProcessor, ui));
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, "No se encuentra el documento que intenta ver");
  EXPECT_EQ(ui.messages[0].icon, store::MessageIcon::Error);
  EXPECT_EQ(ui.messages[0].caption, "Baltu");

  accept = false;
  struct Case {
    DocumentKind kind;
    const char* line;
  };
  for (const Case& c : {Case{DocumentKind::Spreadsheet, "que tener instalado Microsoft Excel"},
                        Case{DocumentKind::Text, "que tener instalado el Block de Notas de Microsoft."},
                        Case{DocumentKind::WordProcessor, "que tener instalado Microsoft Word"}}) {
    EXPECT_FALSE(openDocument(folder / "REVISIONES.TXT", c.kind, ui));
    EXPECT_EQ(ui.messages.back().text, std::string("Para poder visualizar este documento tiene\r\n") + c.line);
    EXPECT_EQ(ui.messages.back().icon, store::MessageIcon::Exclamation);
  }
  setUrlOpener({});
}

TEST(HelpIndex, ParsesTheMappingFormat) {
  const std::vector<HelpPage> pages = parseHelpIndex(QStringLiteral(
      "# comment|x.html|X|Y\n\n0|inicio.html|Inicio|Inicio, Insumos\n"
      "-|rapida.html|Rápida|GuiaRapidaDeUso\n2001,2002|dos.html|Dos\nmal formada\n"));
  ASSERT_EQ(pages.size(), 3u);
  EXPECT_EQ(pages[0].keywords, QStringList({QStringLiteral("Inicio"), QStringLiteral("Insumos")}));
  EXPECT_TRUE(pages[1].contexts.empty());
  EXPECT_EQ(pages[2].contexts, std::vector<int>({2001, 2002}));
  EXPECT_EQ(helpPageForContext(pages, 2002)->file, QStringLiteral("dos.html"));
  EXPECT_FALSE(helpPageForContext(pages, 7).has_value());
  EXPECT_EQ(helpPageForKeyword(pages, QStringLiteral("guiarapidadeuso"))->file, QStringLiteral("rapida.html"));
}

TEST(HelpWindow, OpensAtContextNumbersAndKeywords) {
  // Every page the mapping names is compiled in.
  ASSERT_FALSE(helpPages().empty());
  for (const HelpPage& page : helpPages())
    EXPECT_TRUE(QFile::exists(QStringLiteral(":/help/") + page.file)) << page.file.toStdString();

  QWidget owner;
  auto current = [&owner] { return owner.findChild<HelpWindow*>(QStringLiteral("helpWindow")); };
  showHelp(1000, &owner);
  ASSERT_NE(current(), nullptr);
  EXPECT_TRUE(current()->isVisible());
  EXPECT_EQ(current()->currentPage(), QStringLiteral("ventana_principal.html"));
  test::screenshot(*current(), QStringLiteral("help_window"));

  showHelp(999999, &owner);
  EXPECT_EQ(current()->currentPage(), QStringLiteral("inicio.html"));
  showHelpTopic(QStringLiteral("GuiaRapidaDeUso"), &owner);
  EXPECT_EQ(current()->currentPage(), QStringLiteral("GuiaRapidaDeUso.html"));

  showHelpTopic(QStringLiteral("Presupuestos de obra"), &owner);
  EXPECT_EQ(current()->findChild<QTabWidget*>(QStringLiteral("helpTabs"))->currentIndex(), 1);
  EXPECT_EQ(current()->findChild<QLineEdit*>(QStringLiteral("helpKeyword"))->text(),
            QStringLiteral("Presupuestos de obra"));
}

}  // namespace
}  // namespace baltu::platform
