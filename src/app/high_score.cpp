#include "app/high_score.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>

#include <fcntl.h>
#include <limits.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

const char *const HIGH_SCORE_FILE = "gobbler.hi";

namespace {

enum FileState { FILE_ABSENT, FILE_READ, FILE_BLOCKED };

// A file the player cannot read may hold a record; the game leaves it alone
// and says so once a run.
FileState blocked(const char *why) {
  static bool said = false;
  if (!said)
    fprintf(stderr, "gobbler: cannot read \"%s\" (%s); the high score will not be saved over it\n", HIGH_SCORE_FILE, why);
  said = true;
  return FILE_BLOCKED;
}

// How long a save waits for another game's save to finish before it goes
// ahead without the lock.
const int LOCK_WAIT_MS = 2000;
const int LOCK_POLL_MS = 1;

// Reads up to the first 4 bytes of the file into b, *got of them.
FileState read_file(unsigned char b[4], size_t *got) {
  *got = 0;
  struct stat st;
  if (stat(HIGH_SCORE_FILE, &st) != 0) {
    if (errno == ENOENT) return FILE_ABSENT;  // also a link to nothing yet
    return blocked(strerror(errno));
  }
  // Only a plain file: opening a pipe of that name would wait forever.
  if (!S_ISREG(st.st_mode)) return blocked("not a regular file");
  int fd = open(HIGH_SCORE_FILE, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return blocked(strerror(errno));
  ssize_t n = 1;
  while (*got < 4 && (n = read(fd, b + *got, 4 - *got)) > 0) *got += n;
  int err = errno;
  close(fd);
  return n < 0 ? blocked(strerror(err)) : FILE_READ;
}

// The file a save replaces: the end of the chain of symbolic links from
// "gobbler.hi" (which need not exist yet), so a link to a shared file stays a
// link and the shared file gets the score.
std::string link_target(const char *name) {
  std::string path = name;
  char to[PATH_MAX];
  for (int hops = 0; hops < 40; ++hops) {
    ssize_t n = readlink(path.c_str(), to, sizeof to - 1);
    if (n <= 0) break;
    // A relative link leads on from the directory that holds it.
    size_t slash = path.rfind('/');
    std::string dir = to[0] == '/' || slash == std::string::npos ? "" : path.substr(0, slash + 1);
    path = dir + std::string(to, n);
  }
  return path;
}

// Writes the n bytes at the start of `fd`, drops anything after them, puts
// them on the disk and closes it: 0, or the first errno.
int put_bytes(int fd, const unsigned char *b, size_t size) {
  int err = 0;
  for (size_t done = 0; done < size && !err;) {
    ssize_t n = write(fd, b + done, size - done);
    if (n < 0) err = errno;
    else done += n;
  }
  if (!err && (ftruncate(fd, off_t(size)) != 0 || fsync(fd) != 0)) err = errno;
  if (close(fd) != 0 && !err) err = errno;
  return err;
}

// Makes the temporary file, never through whatever already has its name: a
// regular file left by a save that was cut short is removed and the file made
// anew; a link someone left is removed (never what it leads to) and this save
// fails; a directory or anything else stays and this save fails.
int create_temp(const std::string &temp) {
  for (int tries = 0;; ++tries) {
    int fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST || tries > 0) return fd;
    struct stat st;
    if (lstat(temp.c_str(), &st) != 0) return -1;
    bool stale = S_ISREG(st.st_mode);
    if ((stale || S_ISLNK(st.st_mode)) && unlink(temp.c_str()) != 0) return -1;
    if (!stale) {
      errno = EEXIST;
      return -1;
    }
  }
}

// Replaces `target` by a temporary file beside it, renamed over it, so it is
// never left half written. When the directory refuses the temporary, a
// writable file is written in place.
int store(const std::string &target, const unsigned char *b, size_t size) {
  std::string temp = target + ".new";
  int fd = create_temp(temp);
  if (fd < 0) {
    int err = errno;
    if (err != EACCES && err != EPERM) return err;
    fd = open(target.c_str(), O_WRONLY | O_CLOEXEC);
    return fd < 0 ? err : put_bytes(fd, b, size);
  }
  int err = put_bytes(fd, b, size);
  if (!err && rename(temp.c_str(), target.c_str()) != 0) err = errno;
  if (err) unlink(temp.c_str());
  return err;
}

// Saves by two games in one directory take turns: a lock on the directory
// that holds the file (the file itself is replaced by rename, so a lock on it
// would not hold). It waits a little for another game's save, then goes on
// without it, saying so. -1 without the lock, else the descriptor to unlock.
int lock_directory_of(const std::string &target) {
  size_t slash = target.rfind('/');
  std::string dir = slash == std::string::npos ? "." : slash == 0 ? "/" : target.substr(0, slash);
  int fd = open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  int err = fd < 0 ? errno : 0;
  for (int waited = 0; fd >= 0; waited += LOCK_POLL_MS) {
    if (flock(fd, LOCK_EX | LOCK_NB) == 0) return fd;
    err = errno;
    if (err != EWOULDBLOCK || waited >= LOCK_WAIT_MS) break;
    usleep(LOCK_POLL_MS * 1000);
  }
  if (fd >= 0) close(fd);
  // A directory that is not there fails the save, which says so.
  if (err == ENOENT) return -1;
  fprintf(stderr, "gobbler: cannot lock \"%s\" (%s); saving without the lock\n", dir.c_str(),
          err == EWOULDBLOCK ? "another save holds it" : strerror(err));
  return -1;
}

void unlock(int fd) {
  if (fd < 0) return;
  flock(fd, LOCK_UN);
  close(fd);
}

int32_t from_bytes(const unsigned char b[4]) {
  return static_cast<int32_t>(uint32_t(b[0]) | uint32_t(b[1]) << 8 | uint32_t(b[2]) << 16 | uint32_t(b[3]) << 24);
}

// store() with a file-size limit failing the write instead of killing the game.
int store_guarded(const std::string &target, const unsigned char *b, size_t size) {
  struct sigaction ignore = {}, before;
  ignore.sa_handler = SIG_IGN;
  sigaction(SIGXFSZ, &ignore, &before);
  int err = store(target, b, size);
  sigaction(SIGXFSZ, &before, nullptr);
  return err;
}

}  // namespace

void load_high_score(int32_t *hi) {
  unsigned char b[4];
  size_t got;
  if (read_file(b, &got) != FILE_READ || got != 4) return;
  *hi = from_bytes(b);
}

int store_file(const char *name, const unsigned char *bytes, size_t size) {
  return store_guarded(link_target(name), bytes, size);
}

bool save_high_score(int32_t hi, const std::function<void()> &also_save) {
  unsigned char stored[4];
  size_t got;
  if (read_file(stored, &got) == FILE_BLOCKED) return false;
  std::string target = link_target(HIGH_SCORE_FILE);
  int lock = lock_directory_of(target);
  // Another game may have saved a better score since this one began.
  FileState now = read_file(stored, &got);
  if (now == FILE_BLOCKED || (now == FILE_READ && got == 4 && from_bytes(stored) >= hi)) {
    unlock(lock);
    return false;
  }
  uint32_t v = static_cast<uint32_t>(hi);
  unsigned char b[4] = {static_cast<unsigned char>(v), static_cast<unsigned char>(v >> 8),
                        static_cast<unsigned char>(v >> 16), static_cast<unsigned char>(v >> 24)};
  int err = store_guarded(target, b, sizeof b);
  if (err) fprintf(stderr, "gobbler: cannot save the high score %d to \"%s\": %s\n", hi, target.c_str(), strerror(err));
  else if (also_save) also_save();
  unlock(lock);
  return !err;
}
