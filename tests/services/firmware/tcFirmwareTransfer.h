#pragma once
// A firmware image for the tests and the answers a user gives to its transfer:
// "Yes" to the confirmation, then the transfer dialog's progress is kept and
// its closing box answered.
#include <QMessageBox>
#include <QProgressBar>
#include <vector>

#include "services/firmware/tcFileDownloader.h"
#include "support/tcModalDriver.h"

constexpr const char* kTestImageHeader =
    "MORVALLION QX770X UPGRADE\r\nBUILD:Mar 3 2011\r\nDSPVER:3.2\r\nMCSVER:1.4\r\n"
    "APVER:2.8.1\r\nENDHEADER\r\n";

// A header of ours followed by data, `blocks` kilobytes in all.
inline QByteArray test_image(int blocks) {
  QByteArray image = kTestImageHeader;
  image.append(QByteArray(blocks * 1024 - image.size(), '\x5a'));
  return image;
}

// Arms the answers for the next transfer; `progress` gets each value of the bar,
// `title` and `text` the closing box's.
inline void answer_transfer(std::vector<int>* progress, QString* title, QString* text) {
  on_next_modal<QMessageBox>([=](QMessageBox* verify) {
    on_next_modal<tcFileDownloader>([=](tcFileDownloader* d) {
      QObject::connect(d->progress_bar(), &QProgressBar::valueChanged,
                       [=](int value) { progress->push_back(value); });
      answer_next_box(QMessageBox::Ok, title, text);
    });
    verify->button(QMessageBox::Yes)->click();
  });
}
