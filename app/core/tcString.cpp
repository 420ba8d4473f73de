#include "app/core/tcString.h"

#include <QString>
#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace {
size_t bounded_length(const char* text, size_t max_len) {
  if (!text) return 0;
  const void* zero =
      std::memchr(text, 0, max_len == static_cast<size_t>(-1) ? std::strlen(text) + 1 : max_len);
  return zero ? static_cast<size_t>(static_cast<const char*>(zero) - text) : max_len;
}
}  // namespace

tcString::tcString() {
  reserve(0);
}

tcString::tcString(const char* text) : tcString() {
  assign(text);
}

tcString::tcString(const char* text, size_t max_len) : tcString() {
  assign(text, max_len);
}

tcString::tcString(const tcString& other) : tcString() {
  assign(other.c_str(), other.length());
}

tcString::tcString(tcString&& other)
    : data_(std::move(other.data_)),
      length_(other.length_),
      capacity_(other.capacity_),
      check_(other.check_) {
  other.length_ = other.capacity_ = other.check_ = 0;
  other.reserve(0);
}

tcString::~tcString() = default;

tcString& tcString::operator=(const tcString& other) {
  if (this != &other) assign(other.c_str(), other.length());
  return *this;
}

tcString& tcString::operator=(tcString&& other) {
  if (this == &other) return *this;
  data_ = std::move(other.data_);
  length_ = other.length_;
  capacity_ = other.capacity_;
  check_ = other.check_;
  other.length_ = other.capacity_ = other.check_ = 0;
  other.reserve(0);
  return *this;
}

tcString& tcString::operator=(const char* text) {
  assign(text);
  return *this;
}

void tcString::reserve(int len) {
  if (data_ && len < capacity_) return;
  const int capacity = len < kMinCapacity ? kMinCapacity : len + kGrowthSpare;
  std::unique_ptr<char[]> grown(new char[capacity]);
  if (data_) std::memcpy(grown.get(), data_.get(), length_);
  grown[data_ ? length_ : 0] = '\0';
  if (!data_) length_ = 0;
  data_ = std::move(grown);
  capacity_ = capacity;
}

void tcString::recheck() {
  int sum = 0;
  for (int i = 0; i < length_; ++i) sum += static_cast<signed char>(data_[i]);
  check_ = sum;
}

void tcString::assign(const char* text, size_t max_len) {
  const size_t n = bounded_length(text, max_len);
  if (data_ && text >= data_.get() && text < data_.get() + capacity_) {
    // Assigning a piece of ourselves: keep the source alive while copying.
    tcString copy(text, n);
    *this = std::move(copy);
    return;
  }
  length_ = 0;
  reserve(static_cast<int>(n));
  std::memcpy(data_.get(), text ? text : "", n);
  length_ = static_cast<int>(n);
  data_[length_] = '\0';
  recheck();
}

void tcString::append(const char* text, size_t max_len) {
  const size_t n = bounded_length(text, max_len);
  if (n == 0) return;
  if (text >= data_.get() && text < data_.get() + capacity_) {
    tcString copy(text, n);
    append(copy.c_str(), n);
    return;
  }
  reserve(length_ + static_cast<int>(n));
  std::memcpy(data_.get() + length_, text, n);
  length_ += static_cast<int>(n);
  data_[length_] = '\0';
  recheck();
}

void tcString::append(char c) {
  if (c == '\0') return;
  append(&c, 1);
}

int tcString::format(const char* fmt, ...) {
  va_list args;
  va_start(args, fmt);
  va_list again;
  va_copy(again, args);
  const int n = std::vsnprintf(nullptr, 0, fmt, args);
  va_end(args);
  if (n < 0) {
    va_end(again);
    clear();
    return -1;
  }
  std::unique_ptr<char[]> buffer(new char[n + 1]);
  std::vsnprintf(buffer.get(), n + 1, fmt, again);
  va_end(again);
  assign(buffer.get(), n);
  return length_;
}

void tcString::truncate(int len) {
  if (len < 0) len = 0;
  if (len >= length_) return;
  length_ = len;
  data_[length_] = '\0';
  recheck();
}

void tcString::clear() {
  truncate(0);
}

bool tcString::operator==(const tcString& other) const {
  return length_ == other.length_ && check_ == other.check_ &&
         std::memcmp(data_.get(), other.data_.get(), length_) == 0;
}

bool tcString::operator==(const char* text) const {
  return *this == tcString(text);
}

bool tcString::operator<(const tcString& other) const {
  return std::strcmp(c_str(), other.c_str()) < 0;
}

QString tcString::toQString() const {
  return QString::fromLatin1(c_str(), length_);
}

tcString tcString::fromQString(const QString& text) {
  const QByteArray bytes = text.toLatin1();
  return tcString(bytes.constData(), static_cast<size_t>(bytes.size()));
}
