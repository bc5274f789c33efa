#include "render/bmp_check.h"

#include <cstdint>
#include <cstdio>

#include <sys/stat.h>

#include "render/file_check.h"

namespace {

const uint32_t FILE_HEADER = 14;
const uint32_t WINDOWS_INFO = 40;
const uint32_t OS2_INFO = 12;  // 16-bit width and height, no compression

}  // namespace

bool check_bmp_file(const char *name, std::string *why) {
  FILE *f = fopen(name, "rb");
  if (!f) return fail(why, "the file cannot be opened");
  struct stat st;
  unsigned char h[FILE_HEADER + WINDOWS_INFO] = {};
  bool regular = fstat(fileno(f), &st) == 0 && S_ISREG(st.st_mode);
  size_t got = regular ? fread(h, 1, sizeof h, f) : 0;
  fclose(f);
  if (!regular) return fail(why, "it is not a regular file");
  long long size = st.st_size;

  if (size == 0) return fail(why, "the file is empty");
  if (got < 2 || h[0] != 'B' || h[1] != 'M') return fail(why, "not a BMP picture (it does not start with \"BM\")");
  if (size < FILE_HEADER + 4) return fail(why, "the file is cut short (%lld bytes)", size);
  if (le32(h + 2) > size) return fail(why, "the file is cut short (%lld of its %u bytes)", size, le32(h + 2));

  uint32_t info = le32(h + 14);
  if (info != WINDOWS_INFO && info != OS2_INFO) return fail(why, "a %u-byte BMP header is not supported", info);
  if (FILE_HEADER + info > size) return fail(why, "the file is cut short (%lld bytes)", size);
  long long width, height;
  uint32_t planes, bits, compression = 0;
  if (info == WINDOWS_INFO) {
    width = int32_t(le32(h + 18));
    height = int32_t(le32(h + 22));
    planes = le16(h + 26);
    bits = le16(h + 28);
    compression = le32(h + 30);
  } else {
    width = le16(h + 18);
    height = le16(h + 20);
    planes = le16(h + 22);
    bits = le16(h + 24);
  }

  if (height < 0) return fail(why, "top-down pictures (negative height %lld) are not supported", height);
  if (width < 1 || width > MAX_PICTURE_SIDE || height < 1 || height > MAX_PICTURE_SIDE)
    return fail(why, "a size of %lldx%lld pixels is out of range (1 to 4096 each way)", width, height);
  if (planes != 1) return fail(why, "%u colour planes; a BMP picture has 1", planes);
  if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
    return fail(why, "%u bits per pixel is not supported", bits);
  if (compression != 0) return fail(why, "compressed pictures (compression %u) are not supported", compression);

  // Rows are padded to whole 4-byte words.
  long long row = (width * bits + 31) / 32 * 4;
  long long offset = le32(h + 10);
  if (offset < FILE_HEADER + info) return fail(why, "the pixel data offset %lld lies inside the header", offset);
  if (offset + row * height > size)
    return fail(why, "the pixel rows run past the end of the file (%lld bytes needed, %lld there)", offset + row * height,
                size);
  return true;
}
