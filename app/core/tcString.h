#pragma once
// The console's own 8-bit text: names and display texts of maps, stores, headers
// and skin objects. It keeps a running check value (the sum of its characters as
// signed bytes) so that most unequal texts are told apart without a character walk.
#include <cstddef>
#include <memory>

class QString;

class tcString {
 public:
  static constexpr int kMinCapacity = 32;
  static constexpr int kGrowthSpare = 32;

  tcString();
  tcString(const char* text);  // NOLINT: texts convert implicitly, like literals
  tcString(const char* text, size_t max_len);
  tcString(const tcString& other);
  tcString(tcString&& other);
  ~tcString();

  tcString& operator=(const tcString& other);
  tcString& operator=(tcString&& other);
  tcString& operator=(const char* text);

  // Copies text in, cut at the first zero byte and at max_len characters.
  void assign(const char* text, size_t max_len = static_cast<size_t>(-1));
  void append(const char* text, size_t max_len = static_cast<size_t>(-1));
  void append(char c);
  tcString& operator+=(const char* text) {
    append(text);
    return *this;
  }
  tcString& operator+=(const tcString& text) {
    append(text.c_str(), text.length());
    return *this;
  }
  // printf-style replacement of the whole content.
  int format(const char* fmt, ...) __attribute__((format(printf, 2, 3)));
  void truncate(int len);
  void clear();

  const char* c_str() const { return data_.get(); }
  int length() const { return length_; }
  int capacity() const { return capacity_; }
  int check() const { return check_; }
  bool empty() const { return length_ == 0; }
  char operator[](int i) const { return data_[i]; }

  bool operator==(const tcString& other) const;
  bool operator!=(const tcString& other) const { return !(*this == other); }
  bool operator==(const char* text) const;
  bool operator!=(const char* text) const { return !(*this == text); }
  // Byte order, for sorted maps.
  bool operator<(const tcString& other) const;

  QString toQString() const;
  static tcString fromQString(const QString& text);

 private:
  void reserve(int len);
  void recheck();

  std::unique_ptr<char[]> data_;
  int length_ = 0;
  int capacity_ = 0;
  int check_ = 0;
};
