#include "browser/ui/notice_dialog.h"

#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/screen.h"

namespace baltu::browser::ui {
namespace {

QLabel* paragraph(const char* utf8, QWidget* parent, bool bold = false) {
  auto* label = new QLabel(QString::fromUtf8(utf8), parent);
  label->setWordWrap(true);
  if (bold) {
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
  }
  return label;
}

}  // namespace

void runNoticeDialog(QWidget* parent) {
  QDialog dialog(parent);
  dialog.setObjectName(QStringLiteral("noticeDialog"));
  dialog.setWindowTitle(QStringLiteral("COMUNICADO"));
  dialog.setWindowIcon(platform::programIcon());
  dialog.setFont(platform::programFont("MS Sans Serif", 9));
  const platform::DialogUnits du(dialog.font());

  auto* layout = new QVBoxLayout(&dialog);
  layout->addWidget(paragraph("AVISO LEGAL", &dialog, true));
  layout->addWidget(paragraph(
      "Este programa, las Guías Referenciales de Costos de Construcción que lo acompañan y los análisis de "
      "precios unitarios que contienen son obras protegidas por las leyes de propiedad intelectual. Su licencia "
      "le permite consultarlos y usarlos en sus propios presupuestos; no le permite copiarlos, publicarlos, "
      "venderlos ni distribuirlos, en todo o en parte, sin autorización escrita de sus autores.",
      &dialog));
  layout->addWidget(paragraph(
      "Los precios son referenciales: cada profesional es responsable de revisarlos y adaptarlos a las "
      "condiciones de su obra antes de usarlos.",
      &dialog));
  auto* currency = paragraph("TODOS LOS PRECIOS ESTÁN EXPRESADOS EN BOLÍVARES SOBERANOS", &dialog, true);
  currency->setObjectName(QStringLiteral("noticeCurrency"));
  currency->setAlignment(Qt::AlignCenter);
  layout->addWidget(currency);
  auto* line = new QFrame(&dialog);
  line->setFrameShape(QFrame::HLine);
  layout->addWidget(line);
  layout->addWidget(paragraph("MEJORAS DE ESTA EDICIÓN", &dialog, true));
  layout->addWidget(paragraph(
      "•  Las ventanas se adaptan a la escala de pantalla del sistema (textos y controles se ven nítidos en "
      "pantallas de alta resolución).",
      &dialog));
  layout->addWidget(paragraph(
      "•  La ventana de insumos puede cambiar de tamaño y recuerda su tamaño y posición entre sesiones.", &dialog));
  layout->addWidget(paragraph("•  Nuevos listados de presupuestos, en pantalla, impresos y en archivos CSV.", &dialog));
  auto* close = new QPushButton(QStringLiteral("Cerrar"), &dialog);
  close->setObjectName(QStringLiteral("noticeClose"));
  close->setDefault(true);
  layout->addWidget(close, 0, Qt::AlignHCenter);
  QObject::connect(close, &QPushButton::clicked, &dialog, &QDialog::accept);
  dialog.setFixedWidth(du.x(300));
  dialog.exec();
}

}  // namespace baltu::browser::ui
