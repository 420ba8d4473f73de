#include "presets/dialogs/tcPresetTransfer.h"

#include <memory>

#include "link/transport/tcApIface.h"
#include "link/transport/tcApStores.h"
#include "presets/dialogs/tcGrabPushProgress.h"
#include "presets/dialogs/tcPresetUi.h"

namespace {

QString slot_line(int slot, const QString& name) {
  return QStringLiteral("%1  %2").arg(slot + 1, 3, 10, QLatin1Char('0')).arg(name);
}

// The transfer window for runs of more than one preset; when it goes, the
// window it covered is the active one again.
class Progress {
 public:
  Progress(int count, QWidget* parent) : parent_(parent) {
    if (count > 1) window_ = std::make_unique<tcGrabPushProgress>(parent);
  }
  ~Progress() {
    if (!window_) return;
    window_.reset();
    if (parent_) parent_->window()->activateWindow();
  }
  void set(int done, int total, const QString& text) {
    if (window_) window_->set_progress(done, total, text);
  }

 private:
  QWidget* parent_;
  std::unique_ptr<tcGrabPushProgress> window_;
};

}  // namespace

int tcPresetTransfer::fetch(const QVector<int>& picked, tcPresetClips* out) {
  out->clear();
  tcApStores& stores = *context_.stores;
  Progress progress(picked.size(), parent_);
  tcPresetClips clips;
  for (int n = 0; n < picked.size(); ++n) {
    const int slot = picked[n];
    tcPresetClip clip;
    stores.directory().get(slot, clip.header);
    progress.set(n, picked.size(), slot_line(slot, clip.name()));
    tcApIface* link = context_.current_link();
    if (!link ||
        stores.fetch().grab_preset(*link, static_cast<uint8_t>(slot), stores.grab_set()) != 0) {
      tcPresetUi::warn(parent_, QLatin1String(tcPresetUi::kErrorTitle),
                       QStringLiteral("Error copying preset:\nThe processor did not send preset "
                                      "%1; the connection was lost.")
                           .arg(slot + 1, 3, 10, QLatin1Char('0')));
      return -1;
    }
    tcSettings::copy(&stores.grab_set(), clip.set.get(), 0);
    clips.push_back(std::move(clip));
  }
  *out = std::move(clips);
  return 0;
}

int tcPresetTransfer::push_one(int slot, const SETTINGS& set, const tcPresetHeader& header) {
  tcApIface* link = context_.current_link();
  if (link &&
      context_.stores->push().push_preset(*link, static_cast<uint8_t>(slot), set, header) == 0)
    return 0;
  tcPresetUi::warn(parent_, QLatin1String(tcPresetUi::kErrorTitle),
                   QStringLiteral("The processor did not confirm preset %1 \"%2\"; the "
                                  "connection was lost.")
                       .arg(slot + 1, 3, 10, QLatin1Char('0'))
                       .arg(header.name_text().toQString()));
  return -1;
}

int tcPresetTransfer::push(const tcPresetClips& clips, int first) {
  const int count = static_cast<int>(clips.size());
  Progress progress(count, parent_);
  for (int n = 0; n < count; ++n) {
    const tcPresetClip& clip = clips[n];
    progress.set(n, count, slot_line(first + n, clip.name()));
    if (push_one(first + n, *clip.set, clip.header) != 0) return -1;
  }
  progress.set(count, count, QString());
  return 0;
}
