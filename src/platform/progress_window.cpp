#include "platform/progress_window.h"

#include <algorithm>

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>

#include "platform/screen.h"
#include "pricing/price_passes.h"

namespace baltu::platform {

ProgressWindow::ProgressWindow(const QString& title, const QString& label, QWidget* parent)
    : QDialog(parent),
      label_(new QLabel(label, this)),
      percent_(new QLabel(QStringLiteral("0%"), this)),
      bar_(new QProgressBar(this)),
      cancel_(new QPushButton(tr("&Cancelar"), this)) {
  setObjectName(QStringLiteral("progressWindow"));
  setWindowTitle(title);
  setWindowIcon(programIcon());
  setModal(false);
  label_->setObjectName(QStringLiteral("progressLabel"));
  percent_->setObjectName(QStringLiteral("progressPercent"));
  percent_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  bar_->setObjectName(QStringLiteral("progressBar"));
  bar_->setRange(0, 100);
  bar_->setValue(0);
  bar_->setTextVisible(false);
  cancel_->setObjectName(QStringLiteral("progressCancel"));

  const DialogUnits du(font());
  auto* top = new QHBoxLayout;
  top->addWidget(label_, 1);
  top->addWidget(percent_);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(bar_, 1);
  bottom->addWidget(cancel_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addLayout(bottom);
  percent_->setMinimumWidth(du.x(24));
  setMinimumWidth(du.x(220));
  connect(cancel_, &QPushButton::clicked, this, &ProgressWindow::cancel);
}

void ProgressWindow::showProgressText(const QString& text) {
  static const QRegularExpression percentText(QStringLiteral("^\\s*(-?\\d+)%\\s*$"));
  const QRegularExpressionMatch match = percentText.match(text);
  if (match.hasMatch()) {
    percent_->setText(text.trimmed());
    bar_->setValue(std::clamp(match.captured(1).toInt(), 0, 100));
  } else {
    label_->setText(text);
  }
  if (!isVisible() && !stopRequested_) {
    // A modal window blocks every window but its own: the job may run from one.
    QWidget* modal = QApplication::activeModalWidget();
    if (modal != nullptr && modal != this && modal != parentWidget()) setParent(modal, windowFlags());
    show();
  }
}

void ProgressWindow::cancel() {
  stopRequested_ = true;
  hide();
}

RecalculationProgress::RecalculationProgress(QtUserInterface& ui, QWidget* parent)
    : ui_(ui),
      previous_(nullptr),
      window_(new ProgressWindow(QString::fromLatin1(pricing::kRecalculationTitle.data(),
                                                     static_cast<qsizetype>(pricing::kRecalculationTitle.size())),
                                 QString::fromLatin1(pricing::kRecalculationLabel.data(),
                                                     static_cast<qsizetype>(pricing::kRecalculationLabel.size())),
                                 parent)) {
  previous_ = ui_.attachProgress(window_);
  // The window goes with a modal owner that closes first; progress then goes back where it went before.
  ProgressTarget* target = window_.data();
  QObject::connect(window_.data(), &QObject::destroyed, [&ui, target, previous = previous_] {
    if (ui.progressTarget() == target) ui.attachProgress(previous);
  });
}

RecalculationProgress::~RecalculationProgress() {
  ui_.attachProgress(previous_);
  delete window_.data();
}

}  // namespace baltu::platform
