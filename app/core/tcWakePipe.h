#pragma once
// A self-pipe that ends a worker's socket wait from another thread, so that the
// socket itself never has to be closed under a waiting thread.

class tcWakePipe {
 public:
  tcWakePipe();
  ~tcWakePipe();
  tcWakePipe(const tcWakePipe&) = delete;
  tcWakePipe& operator=(const tcWakePipe&) = delete;

  // The end to wait on for readability; -1 when the pipe could not be made.
  int fd() const { return fds_[0]; }
  void poke();
  void drain();

 private:
  int fds_[2] = {-1, -1};
};
