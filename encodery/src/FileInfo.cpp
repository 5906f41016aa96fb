#include "FileInfo.h"

#include <cinttypes>
#include <cstdio>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/pixdesc.h>
}

namespace encodery {
namespace {

std::string format(const char* pattern, auto... values) {
  char text[512];
  std::snprintf(text, sizeof text, pattern, values...);
  return text;
}

std::string duration(int64_t micros) {
  if (micros <= 0) return "unknown";
  const int64_t centis = micros / 10000;
  return format("%02" PRId64 ":%02" PRId64 ":%02" PRId64 ".%02" PRId64, centis / 360000,
                centis / 6000 % 60, centis / 100 % 60, centis % 100);
}

std::string bitRate(int64_t bitsPerSecond) {
  return bitsPerSecond > 0 ? format("%" PRId64 " kb/s", bitsPerSecond / 1000) : "unknown";
}

std::string codecName(const AVCodecParameters* p) {
  std::string name = avcodec_get_name(p->codec_id);
  if (p->codec_tag != 0) {
    char tag[AV_FOURCC_MAX_STRING_SIZE] = {};
    av_fourcc_make_string(tag, p->codec_tag);
    name += std::string(" (") + tag + ")";
  }
  return name;
}

}  // namespace

std::string describeFile(const AVFormatContext* file) {
  std::string text = "Container: " + std::string(file->iformat->name);
  if (file->iformat->long_name != nullptr) text += std::string(" (") + file->iformat->long_name + ")";
  text += "\nDuration: " + duration(file->duration);
  text += "\nBit rate: " + bitRate(file->bit_rate);
  for (unsigned i = 0; i < file->nb_streams; ++i) {
    const AVStream* stream = file->streams[i];
    const AVCodecParameters* p = stream->codecpar;
    text += format("\nStream #%u: ", i);
    switch (p->codec_type) {
      case AVMEDIA_TYPE_VIDEO: {
        const AVRational rate = stream->avg_frame_rate.num > 0 ? stream->avg_frame_rate
                                                                : stream->r_frame_rate;
        const char* pixels = av_get_pix_fmt_name(static_cast<AVPixelFormat>(p->format));
        text += "Video: " + codecName(p) + format(", %dx%d", p->width, p->height) +
                (rate.num > 0 && rate.den > 0 ? format(", %.3f fps", av_q2d(rate)) : ", ? fps") +
                ", " + (pixels != nullptr ? pixels : "unknown pixels") + ", " + bitRate(p->bit_rate);
        break;
      }
      case AVMEDIA_TYPE_AUDIO:
        text += "Audio: " + codecName(p) + format(", %d Hz, %d channels", p->sample_rate,
                                                  p->ch_layout.nb_channels) +
                ", " + bitRate(p->bit_rate);
        break;
      default:
        text += std::string(av_get_media_type_string(p->codec_type) != nullptr
                                ? av_get_media_type_string(p->codec_type)
                                : "data") +
                ": " + avcodec_get_name(p->codec_id);
    }
  }
  return text;
}

}  // namespace encodery
