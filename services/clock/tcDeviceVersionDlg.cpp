#include "services/clock/tcDeviceVersionDlg.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "link/transport/tcApIface.h"
#include "link/transport/tcApStores.h"
#include "link/transport/tcDeviceInfo.h"
#include "link/transport/tcLinkSignals.h"

tcDeviceVersionDlg::tcDeviceVersionDlg(const tcDeviceInfo& info, tcLinkSignals* reports,
                                       QWidget* parent)
    : QDialog(parent), info_(info) {
  setWindowTitle(QStringLiteral("Processor Version"));
  auto* layout = new QVBoxLayout(this);
  for (QLabel*& label : lines_) {
    label = new QLabel(this);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(label);
  }
  auto* close = new QPushButton(QStringLiteral("Close"), this);
  close->setDefault(true);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(close);
  layout->addStretch();
  layout->addLayout(buttons);
  setMinimumWidth(340);

  if (reports) {
    // The link reports on its own thread.
    connect(reports, &tcLinkSignals::sig_recv_version, this, &tcDeviceVersionDlg::slot_recv_version,
            Qt::QueuedConnection);
    connect(reports, &tcLinkSignals::sig_recv_macaddr, this, &tcDeviceVersionDlg::slot_recv_version,
            Qt::QueuedConnection);
  }
  slot_recv_version();
}

void tcDeviceVersionDlg::slot_recv_version() {
  auto show = [this](Line which, const QString& text) {
    lines_[which]->setText(text);
    lines_[which]->setVisible(!text.isEmpty());
  };
  if (!info_.has_version()) {
    show(kVersion, QString::fromLatin1(kQuerying));
    for (Line which : {kFirstText, kBootloader, kThirdText, kSecondText, kMac})
      show(which, QString());
    return;
  }
  const tcVersionRecord v = info_.version();
  show(kVersion, QString::asprintf("Version: %d.%d.%d", v.major, v.minor, v.build));
  show(kFirstText, QString::fromLatin1(v.lines[0].data()));
  show(kBootloader, v.boot_major || v.boot_minor
                        ? QString::asprintf("Bootloader: %d.%d - %06X - %04X", v.boot_major,
                                            v.boot_minor, v.boot_id, v.boot_check)
                        : QString());
  show(kThirdText, QString::fromLatin1(v.lines[2].data()));
  show(kSecondText, QString::fromLatin1(v.lines[1].data()));
  show(kMac, info_.has_mac() ? QStringLiteral("MAC Address: ") + info_.mac().text().toQString()
                             : QString());
}

void tcDeviceVersionDlg::run(QWidget* parent, tcApStores& stores, tcApIface* link) {
  tcDeviceVersionDlg dlg(stores.device_info(), &stores.link_signals(), parent);
  if (link) {
    tcFrame request = tcApCodec::empty(tcFrame::kVersionRequest);
    link->send_frame(request);
  }
  dlg.exec();
}
