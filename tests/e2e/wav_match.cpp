// wav_match find CAPTURE REFERENCE: where the reference sound best matches inside a captured one, as
//   "<normalised cross-correlation, -1 to 1> <start in seconds>"
// wav_match peak CAPTURE: "<length in seconds> <largest absolute sample>"
// Both files are 16-bit PCM WAV; a capture cut short by its program's exit may have a data length of 0 in its
// header, so its data runs to the end of the file. Channels are averaged; the capture is resampled to the
// reference's rate. The correlation runs through an FFT, so minutes of capture take well under a second.
#include <cmath>
#include <complex>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

struct Sound {
  int rate = 0;
  std::vector<double> samples;  // mono
};

uint32_t le(const unsigned char *p, int n) {
  uint32_t v = 0;
  for (int i = n - 1; i >= 0; --i) v = v << 8 | p[i];
  return v;
}

bool read_wav(const char *path, Sound *s) {
  std::ifstream in(path, std::ios::binary);
  std::vector<unsigned char> b((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (b.size() < 12 || memcmp(b.data(), "RIFF", 4) != 0 || memcmp(b.data() + 8, "WAVE", 4) != 0) return false;
  int channels = 0, bits = 0;
  size_t at = 12;
  while (at + 8 <= b.size()) {
    uint32_t size = le(&b[at + 4], 4);
    const unsigned char *body = &b[at + 8];
    if (memcmp(&b[at], "fmt ", 4) == 0 && at + 24 <= b.size()) {
      channels = int(le(body + 2, 2)), s->rate = int(le(body + 4, 4)), bits = int(le(body + 14, 2));
    } else if (memcmp(&b[at], "data", 4) == 0) {
      if (channels < 1 || bits != 16) return false;
      size_t end = size == 0 || at + 8 + size > b.size() ? b.size() : at + 8 + size;
      for (size_t p = at + 8; p + 2 * channels <= end; p += 2 * channels) {
        double sum = 0;
        for (int c = 0; c < channels; ++c) sum += int16_t(le(&b[p + 2 * c], 2));
        s->samples.push_back(sum / channels);
      }
      return true;
    }
    at += 8 + size + (size & 1);
  }
  return false;
}

std::vector<double> resample(const std::vector<double> &x, int from, int to) {
  if (from == to || x.empty()) return x;
  std::vector<double> y(size_t(double(x.size()) * to / from));
  for (size_t i = 0; i < y.size(); ++i) {
    double t = double(i) * from / to;
    size_t k = size_t(t);
    double f = t - double(k);
    y[i] = x[k] * (1 - f) + (k + 1 < x.size() ? x[k + 1] : 0) * f;
  }
  return y;
}

typedef std::complex<double> C;

void fft(std::vector<C> &a, bool inverse) {
  size_t n = a.size();
  for (size_t i = 1, j = 0; i < n; ++i) {
    size_t bit = n >> 1;
    for (; j & bit; bit >>= 1) j ^= bit;
    j ^= bit;
    if (i < j) std::swap(a[i], a[j]);
  }
  for (size_t len = 2; len <= n; len <<= 1) {
    double angle = 2 * M_PI / double(len) * (inverse ? 1 : -1);
    C step(std::cos(angle), std::sin(angle));
    for (size_t i = 0; i < n; i += len) {
      C w(1);
      for (size_t k = 0; k < len / 2; ++k, w *= step) {
        C u = a[i + k], v = a[i + k + len / 2] * w;
        a[i + k] = u + v, a[i + k + len / 2] = u - v;
      }
    }
  }
  if (inverse)
    for (C &v : a) v /= double(n);
}

int find(const char *capture_path, const char *reference_path) {
  Sound cap, ref;
  if (!read_wav(capture_path, &cap) || !read_wav(reference_path, &ref)) return 2;
  std::vector<double> c = resample(cap.samples, cap.rate, ref.rate), &r = ref.samples;
  if (r.empty() || c.size() < r.size()) return printf("0 0\n"), 0;
  size_t n = 1;
  while (n < c.size() + r.size()) n <<= 1;
  std::vector<C> fc(n), fr(n);
  for (size_t i = 0; i < c.size(); ++i) fc[i] = c[i];
  for (size_t i = 0; i < r.size(); ++i) fr[i] = r[i];
  fft(fc, false), fft(fr, false);
  for (size_t i = 0; i < n; ++i) fc[i] *= std::conj(fr[i]);
  fft(fc, true);  // fc[p]: sum over i of c[p + i] * r[i]
  double er = 0;
  for (double v : r) er += v * v;
  std::vector<double> energy(c.size() + 1, 0);  // prefix sums of c squared
  for (size_t i = 0; i < c.size(); ++i) energy[i + 1] = energy[i] + c[i] * c[i];
  double best = 0;
  size_t best_at = 0;
  for (size_t p = 0; p + r.size() <= c.size(); ++p) {
    double ec = energy[p + r.size()] - energy[p];
    if (ec < 1e-6 * double(r.size())) continue;  // silence matches nothing
    double score = fc[p].real() / std::sqrt(ec * er);
    if (score > best) best = score, best_at = p;
  }
  printf("%.4f %.3f\n", best, double(best_at) / ref.rate);
  return 0;
}

int peak(const char *capture_path) {
  Sound cap;
  if (!read_wav(capture_path, &cap)) return 2;
  double top = 0;
  for (double v : cap.samples) top = std::max(top, std::fabs(v));
  printf("%.3f %.0f\n", cap.rate ? double(cap.samples.size()) / cap.rate : 0.0, top);
  return 0;
}

}  // namespace

int main(int argc, char **argv) {
  if (argc == 4 && std::string(argv[1]) == "find") return find(argv[2], argv[3]);
  if (argc == 3 && std::string(argv[1]) == "peak") return peak(argv[2]);
  fprintf(stderr, "usage: wav_match find CAPTURE REFERENCE | wav_match peak CAPTURE\n");
  return 2;
}
