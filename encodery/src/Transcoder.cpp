#include "Transcoder.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavfilter/avfilter.h>
#include <libavfilter/buffersink.h>
#include <libavfilter/buffersrc.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libavutil/opt.h>
#include <libavutil/pixdesc.h>
#include <libswscale/swscale.h>
}

namespace encodery {

void InputDeleter::operator()(AVFormatContext* context) const { avformat_close_input(&context); }

namespace {

struct CodecDeleter {
  void operator()(AVCodecContext* c) const { avcodec_free_context(&c); }
};
struct GraphDeleter {
  void operator()(AVFilterGraph* g) const { avfilter_graph_free(&g); }
};
struct FrameDeleter {
  void operator()(AVFrame* f) const { av_frame_free(&f); }
};
struct PacketDeleter {
  void operator()(AVPacket* p) const { av_packet_free(&p); }
};
struct SwsDeleter {
  void operator()(SwsContext* s) const { sws_freeContext(s); }
};
using Codec = std::unique_ptr<AVCodecContext, CodecDeleter>;
using Graph = std::unique_ptr<AVFilterGraph, GraphDeleter>;
using Frame = std::unique_ptr<AVFrame, FrameDeleter>;
using Packet = std::unique_ptr<AVPacket, PacketDeleter>;

std::string avError(int code) {
  char text[AV_ERROR_MAX_STRING_SIZE] = {};
  av_strerror(code, text, sizeof text);
  return text;
}

Codec openDecoder(const AVStream* stream) {
  const AVCodec* codec = avcodec_find_decoder(stream->codecpar->codec_id);
  if (codec == nullptr) return nullptr;
  Codec context(avcodec_alloc_context3(codec));
  if (!context || avcodec_parameters_to_context(context.get(), stream->codecpar) < 0)
    return nullptr;
  context->pkt_timebase = stream->time_base;
  context->thread_count = 0;  // one per core
  context->thread_type = FF_THREAD_FRAME | FF_THREAD_SLICE;
  if (avcodec_open2(context.get(), codec, nullptr) < 0) return nullptr;
  return context;
}

// Output of the muxer; removes the file unless it was completed.
class OutputFile {
 public:
  ~OutputFile() {
    if (context_ != nullptr) {
      if (context_->pb != nullptr && !(context_->oformat->flags & AVFMT_NOFILE))
        avio_closep(&context_->pb);
      avformat_free_context(context_);
    }
    if (created_ && !complete_) std::remove(path_.c_str());
  }
  bool open(const std::string& muxer, const std::string& path, std::string* error) {
    path_ = path;
    int rc = avformat_alloc_output_context2(&context_, nullptr, muxer.c_str(), path.c_str());
    if (rc < 0 || context_ == nullptr) {
      *error = "no muxer " + muxer;
      return false;
    }
    return true;
  }
  bool openFile(AVDictionary** options, std::string* error) {
    int rc = avio_open(&context_->pb, path_.c_str(), AVIO_FLAG_WRITE);
    if (rc < 0) {
      *error = "cannot write " + path_ + ": " + avError(rc);
      return false;
    }
    created_ = true;
    rc = avformat_write_header(context_, options);
    if (rc < 0) {
      *error = "cannot start " + path_ + ": " + avError(rc);
      return false;
    }
    return true;
  }
  bool finish(std::string* error) {
    int rc = av_write_trailer(context_);
    if (rc >= 0) rc = avio_closep(&context_->pb);
    if (rc < 0) {
      *error = "cannot finish " + path_ + ": " + avError(rc);
      return false;
    }
    complete_ = true;
    return true;
  }
  AVFormatContext* get() const { return context_; }

 private:
  AVFormatContext* context_ = nullptr;
  std::string path_;
  bool created_ = false;
  bool complete_ = false;
};

// decoder -> filter graph -> encoder -> muxer stream, for one input stream.
struct Lane {
  int inputIndex = -1;
  AVStream* inputStream = nullptr;
  Codec decoder;
  Graph graph;
  AVFilterContext* source = nullptr;
  AVFilterContext* sink = nullptr;
  Codec encoder;
  AVStream* outputStream = nullptr;
  int64_t startOffset = 0;  // in the input stream's time base
};

bool buildGraph(Lane& lane, const std::string& sourceArgs, const char* sourceName,
                const char* sinkName, const std::string& chain, std::string* error) {
  lane.graph.reset(avfilter_graph_alloc());
  if (!lane.graph) return false;
  int rc = avfilter_graph_create_filter(&lane.source, avfilter_get_by_name(sourceName), "in",
                                        sourceArgs.c_str(), nullptr, lane.graph.get());
  if (rc >= 0)
    rc = avfilter_graph_create_filter(&lane.sink, avfilter_get_by_name(sinkName), "out", nullptr,
                                      nullptr, lane.graph.get());
  AVFilterInOut* outputs = avfilter_inout_alloc();
  AVFilterInOut* inputs = avfilter_inout_alloc();
  if (rc >= 0 && outputs != nullptr && inputs != nullptr) {
    outputs->name = av_strdup("in");
    outputs->filter_ctx = lane.source;
    inputs->name = av_strdup("out");
    inputs->filter_ctx = lane.sink;
    rc = avfilter_graph_parse_ptr(lane.graph.get(), chain.c_str(), &inputs, &outputs, nullptr);
    if (rc >= 0) rc = avfilter_graph_config(lane.graph.get(), nullptr);
  } else if (rc >= 0) {
    rc = AVERROR(ENOMEM);
  }
  avfilter_inout_free(&inputs);
  avfilter_inout_free(&outputs);
  if (rc < 0) *error = "filters " + chain + ": " + avError(rc);
  return rc >= 0;
}

std::string rational(AVRational r) { return std::to_string(r.num) + "/" + std::to_string(r.den); }

bool setUpVideo(Lane& lane, const TargetSettings& s, AVFormatContext* output, std::string* error) {
  AVCodecContext* dec = lane.decoder.get();
  AVRational sar = dec->sample_aspect_ratio.num > 0 ? dec->sample_aspect_ratio : AVRational{1, 1};
  std::string args = "video_size=" + std::to_string(dec->width) + "x" + std::to_string(dec->height) +
                     ":pix_fmt=" + std::to_string(dec->pix_fmt) +
                     ":time_base=" + rational(lane.inputStream->time_base) +
                     ":pixel_aspect=" + rational(sar);
  std::string chain = "fps=" + rational(s.frameRate);
  if (s.activeWidth != dec->width || s.activeHeight != dec->height)
    chain += ",scale=" + std::to_string(s.activeWidth) + ":" + std::to_string(s.activeHeight) +
             ":flags=bicubic";
  if (s.activeWidth != s.width || s.activeHeight != s.height)
    chain += ",pad=" + std::to_string(s.width) + ":" + std::to_string(s.height) +
             ":(ow-iw)/2:(oh-ih)/2:black";
  chain += ",setsar=" + rational(s.sampleAspect) + ",format=yuv420p";
  if (!buildGraph(lane, args, "buffer", "buffersink", chain, error)) return false;

  const AVCodec* codec = avcodec_find_encoder_by_name(s.videoEncoder.c_str());
  if (codec == nullptr) {
    *error = "no encoder " + s.videoEncoder;
    return false;
  }
  lane.encoder.reset(avcodec_alloc_context3(codec));
  AVCodecContext* enc = lane.encoder.get();
  enc->width = av_buffersink_get_w(lane.sink);
  enc->height = av_buffersink_get_h(lane.sink);
  enc->pix_fmt = static_cast<AVPixelFormat>(av_buffersink_get_format(lane.sink));
  enc->sample_aspect_ratio = av_buffersink_get_sample_aspect_ratio(lane.sink);
  enc->time_base = av_buffersink_get_time_base(lane.sink);
  enc->framerate = s.frameRate;
  enc->gop_size = s.gopSize;
  enc->thread_count = 0;
  if (s.videoBitRate > 0) {
    enc->bit_rate = s.videoBitRate;
    enc->rc_max_rate = s.maxRate;
    enc->rc_min_rate = s.minRate;
    enc->rc_buffer_size = s.bufferSize;
  } else {
    enc->flags |= AV_CODEC_FLAG_QSCALE;
    enc->global_quality = FF_QP2LAMBDA * s.quantiser;
  }
  if (s.videoTag != 0) enc->codec_tag = s.videoTag;
  if (output->oformat->flags & AVFMT_GLOBALHEADER) enc->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
  AVDictionary* options = nullptr;
  if (s.scanOffset) av_dict_set(&options, "scan_offset", "1", 0);
  int rc = avcodec_open2(enc, codec, &options);
  av_dict_free(&options);
  if (rc < 0) {
    *error = "cannot open " + s.videoEncoder + ": " + avError(rc);
    return false;
  }
  return true;
}

bool setUpAudio(Lane& lane, const TargetSettings& s, AVFormatContext* output, std::string* error) {
  AVCodecContext* dec = lane.decoder.get();
  if (dec->ch_layout.order == AV_CHANNEL_ORDER_UNSPEC)
    av_channel_layout_default(&dec->ch_layout, dec->ch_layout.nb_channels);
  char layout[128] = {};
  av_channel_layout_describe(&dec->ch_layout, layout, sizeof layout);
  std::string args = "time_base=" + rational(lane.inputStream->time_base) +
                     ":sample_rate=" + std::to_string(dec->sample_rate) +
                     ":sample_fmt=" + av_get_sample_fmt_name(dec->sample_fmt) +
                     ":channel_layout=" + layout;

  const AVCodec* codec = avcodec_find_encoder_by_name(s.audioEncoder.c_str());
  if (codec == nullptr) {
    *error = "no encoder " + s.audioEncoder;
    return false;
  }
  AVSampleFormat format = codec->sample_fmts != nullptr ? codec->sample_fmts[0] : AV_SAMPLE_FMT_FLTP;
  for (const AVSampleFormat* f = codec->sample_fmts; f != nullptr && *f != AV_SAMPLE_FMT_NONE; ++f)
    if (*f == AV_SAMPLE_FMT_FLTP) format = *f;  // what the decoders mostly give
  lane.encoder.reset(avcodec_alloc_context3(codec));
  AVCodecContext* enc = lane.encoder.get();
  enc->sample_rate = s.audioRate;
  enc->sample_fmt = format;
  av_channel_layout_default(&enc->ch_layout, s.audioChannels);
  enc->bit_rate = s.audioBitRate;
  enc->time_base = AVRational{1, s.audioRate};
  enc->thread_count = 0;
  if (output->oformat->flags & AVFMT_GLOBALHEADER) enc->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
  int rc = avcodec_open2(enc, codec, nullptr);
  if (rc < 0) {
    *error = "cannot open " + s.audioEncoder + ": " + avError(rc);
    return false;
  }
  char outLayout[128] = {};
  av_channel_layout_describe(&enc->ch_layout, outLayout, sizeof outLayout);
  std::string chain = "aresample=" + std::to_string(s.audioRate) +
                      ",aformat=sample_fmts=" + av_get_sample_fmt_name(format) +
                      ":channel_layouts=" + outLayout;
  if (!buildGraph(lane, args, "abuffer", "abuffersink", chain, error)) return false;
  // The encoders take fixed-size frames; the sink re-chunks.
  if (!(codec->capabilities & AV_CODEC_CAP_VARIABLE_FRAME_SIZE) && enc->frame_size > 0)
    av_buffersink_set_frame_size(lane.sink, enc->frame_size);
  return true;
}

bool addOutputStream(Lane& lane, AVFormatContext* output, std::string* error) {
  lane.outputStream = avformat_new_stream(output, nullptr);
  if (lane.outputStream == nullptr ||
      avcodec_parameters_from_context(lane.outputStream->codecpar, lane.encoder.get()) < 0) {
    *error = "cannot add an output stream";
    return false;
  }
  lane.outputStream->time_base = lane.encoder->time_base;
  lane.outputStream->avg_frame_rate = lane.encoder->framerate;
  // Carries the encoder's buffer properties (VBV size, maximum rate) to the
  // muxer, which writes them into the system header.
  for (int i = 0; i < lane.encoder->nb_coded_side_data; ++i) {
    const AVPacketSideData& side = lane.encoder->coded_side_data[i];
    uint8_t* copy = av_stream_new_side_data(lane.outputStream, side.type, side.size);
    if (copy == nullptr) {
      *error = "out of memory";
      return false;
    }
    std::copy(side.data, side.data + side.size, copy);
  }
  return true;
}

class Pipeline {
 public:
  Pipeline(OpenedInput& input, const TargetSettings& s, const ConversionHooks& hooks)
      : input_(input), settings_(s), hooks_(hooks) {}

  Outcome run(const std::string& outputPath, std::string* error) {
    AVFormatContext* in = input_.file.get();
    if (!output_.open(settings_.muxer, outputPath, error)) return Outcome::Failed;
    AVFormatContext* out = output_.get();
    const int64_t start = in->start_time != AV_NOPTS_VALUE ? in->start_time : 0;

    video_.inputIndex = input_.videoStream;
    if (!prepareLane(video_, start, error) || !setUpVideo(video_, settings_, out, error) ||
        !addOutputStream(video_, out, error))
      return Outcome::Failed;
    if (input_.audioStream >= 0 && !settings_.audioEncoder.empty()) {
      audio_.inputIndex = input_.audioStream;
      if (!prepareLane(audio_, start, error) || !setUpAudio(audio_, settings_, out, error) ||
          !addOutputStream(audio_, out, error))
        return Outcome::Failed;
    }
    AVDictionary* options = nullptr;
    if (settings_.packetSize > 0) {
      out->packet_size = static_cast<unsigned>(settings_.packetSize);
      av_dict_set_int(&options, "packetsize", settings_.packetSize, 0);
    }
    if (settings_.muxRate > 0) av_dict_set_int(&options, "muxrate", settings_.muxRate, 0);
    if (settings_.muxer == "vcd" || settings_.muxer == "svcd" || settings_.muxer == "dvd" ||
        settings_.muxer == "mpeg" || settings_.muxer == "vob")
      av_dict_set_int(&options, "preload", settings_.preloadMicros, 0);
    out->max_delay = 700000;
    const bool opened = output_.openFile(&options, error);
    av_dict_free(&options);
    if (!opened) return Outcome::Failed;

    packet_.reset(av_packet_alloc());
    frame_.reset(av_frame_alloc());
    filtered_.reset(av_frame_alloc());
    encoded_.reset(av_packet_alloc());
    if (!packet_ || !frame_ || !filtered_ || !encoded_) {
      *error = "out of memory";
      return Outcome::Failed;
    }
    previewEvery_ = std::max(1, static_cast<int>(av_q2d(settings_.frameRate) / 5));

    if (!report(0)) return Outcome::Stopped;
    for (;;) {
      if (hooks_.stop != nullptr && hooks_.stop->load()) return Outcome::Stopped;
      int rc = av_read_frame(in, packet_.get());
      if (rc == AVERROR_EOF) break;
      if (rc < 0) {
        *error = "read: " + avError(rc);
        return Outcome::Failed;
      }
      Lane* lane = packet_->stream_index == video_.inputIndex   ? &video_
                   : packet_->stream_index == audio_.inputIndex ? &audio_
                                                                : nullptr;
      if (lane != nullptr && lane->decoder) {
        trackPosition(*lane, packet_.get());
        if (!decode(*lane, packet_.get(), error)) return Outcome::Failed;
      }
      av_packet_unref(packet_.get());
      if (!reportPosition()) return Outcome::Stopped;
    }
    for (Lane* lane : {&video_, &audio_}) {
      if (!lane->decoder) continue;
      if (!decode(*lane, nullptr, error)) return Outcome::Failed;
      if (av_buffersrc_add_frame(lane->source, nullptr) < 0 || !drainFilter(*lane, error) ||
          !encode(*lane, nullptr, error))
        return Outcome::Failed;
    }
    if (framesEncoded_ == 0) {
      *error = "no picture could be decoded";
      return Outcome::Failed;
    }
    if (hooks_.stop != nullptr && hooks_.stop->load()) return Outcome::Stopped;
    return output_.finish(error) ? Outcome::Finished : Outcome::Failed;
  }

 private:
  bool prepareLane(Lane& lane, int64_t start, std::string* error) {
    lane.inputStream = input_.file->streams[lane.inputIndex];
    lane.decoder = openDecoder(lane.inputStream);
    if (!lane.decoder) {
      *error = "no decoder for stream " + std::to_string(lane.inputIndex);
      return false;
    }
    lane.startOffset = av_rescale_q(start, AV_TIME_BASE_Q, lane.inputStream->time_base);
    return true;
  }

  void trackPosition(const Lane& lane, const AVPacket* packet) {
    int64_t ts = packet->pts != AV_NOPTS_VALUE ? packet->pts : packet->dts;
    if (ts == AV_NOPTS_VALUE) return;
    const int64_t micros = av_rescale_q(ts - lane.startOffset, lane.inputStream->time_base,
                                        AV_TIME_BASE_Q);
    positionMicros_ = std::max(positionMicros_, micros);
  }

  int percentDone() const {
    AVFormatContext* in = input_.file.get();
    double done = 0;
    if (in->duration > 0) {
      done = static_cast<double>(positionMicros_) / in->duration;
    } else if (in->pb != nullptr) {
      const int64_t size = avio_size(in->pb);
      if (size > 0) done = static_cast<double>(avio_tell(in->pb)) / size;
    }
    return std::clamp(static_cast<int>(done * 100), 0, 99);
  }

  // At most every 40 ms, and at least once a second even without change.
  bool reportPosition() {
    const auto now = std::chrono::steady_clock::now();
    const int percent = std::max(lastPercent_, percentDone());
    const auto since = now - lastReport_;
    if ((percent > lastPercent_ && since >= std::chrono::milliseconds(40)) ||
        since >= std::chrono::seconds(1))
      return report(percent);
    return true;
  }

  bool report(int percent) {
    lastPercent_ = percent;
    lastReport_ = std::chrono::steady_clock::now();
    if (hooks_.stop != nullptr && hooks_.stop->load()) return false;
    return hooks_.report ? hooks_.report(percent) : true;
  }

  bool decode(Lane& lane, const AVPacket* packet, std::string* error) {
    int rc = avcodec_send_packet(lane.decoder.get(), packet);
    // A damaged packet is skipped, as players do; the rest still converts.
    if (rc < 0 && rc != AVERROR(EAGAIN) && rc != AVERROR_EOF) return true;
    for (;;) {
      rc = avcodec_receive_frame(lane.decoder.get(), frame_.get());
      if (rc == AVERROR(EAGAIN) || rc == AVERROR_EOF) return true;
      if (rc < 0) return true;
      int64_t ts = frame_->best_effort_timestamp;
      frame_->pts = ts == AV_NOPTS_VALUE ? AV_NOPTS_VALUE : ts - lane.startOffset;
      if (&lane == &video_) deliverPreview(frame_.get());
      rc = av_buffersrc_add_frame_flags(lane.source, frame_.get(), 0);
      av_frame_unref(frame_.get());
      if (rc < 0) {
        *error = "filter input: " + avError(rc);
        return false;
      }
      if (!drainFilter(lane, error)) return false;
    }
  }

  bool drainFilter(Lane& lane, std::string* error) {
    for (;;) {
      int rc = av_buffersink_get_frame(lane.sink, filtered_.get());
      if (rc == AVERROR(EAGAIN) || rc == AVERROR_EOF) return true;
      if (rc < 0) {
        *error = "filter: " + avError(rc);
        return false;
      }
      filtered_->pict_type = AV_PICTURE_TYPE_NONE;
      const bool ok = encode(lane, filtered_.get(), error);
      av_frame_unref(filtered_.get());
      if (!ok) return false;
    }
  }

  bool encode(Lane& lane, const AVFrame* frame, std::string* error) {
    int rc = avcodec_send_frame(lane.encoder.get(), frame);
    if (rc < 0 && rc != AVERROR_EOF) {
      *error = "encode: " + avError(rc);
      return false;
    }
    for (;;) {
      rc = avcodec_receive_packet(lane.encoder.get(), encoded_.get());
      if (rc == AVERROR(EAGAIN) || rc == AVERROR_EOF) return true;
      if (rc < 0) {
        *error = "encode: " + avError(rc);
        return false;
      }
      if (&lane == &video_) ++framesEncoded_;
      encoded_->stream_index = lane.outputStream->index;
      av_packet_rescale_ts(encoded_.get(), lane.encoder->time_base, lane.outputStream->time_base);
      rc = av_interleaved_write_frame(output_.get(), encoded_.get());
      if (rc < 0) {
        *error = "write: " + avError(rc);
        return false;
      }
    }
  }

  void deliverPreview(const AVFrame* frame) {
    ENCODERY_PREVIEW* preview = hooks_.preview;
    if (preview == nullptr || preview->deliver == nullptr || preview->width <= 0 ||
        preview->height <= 0 || frame->width <= 0 || frame->height <= 0)
      return;
    if (decodedPictures_++ % previewEvery_ != 0) return;
    scaler_.reset(sws_getCachedContext(scaler_.release(), frame->width, frame->height,
                                       static_cast<AVPixelFormat>(frame->format), preview->width,
                                       preview->height, AV_PIX_FMT_RGB24, SWS_BILINEAR, nullptr,
                                       nullptr, nullptr));
    if (!scaler_) return;
    const int stride = (preview->width * 3 + 31) & ~31;
    previewPixels_.resize(static_cast<size_t>(stride) * preview->height);
    uint8_t* planes[4] = {previewPixels_.data(), nullptr, nullptr, nullptr};
    int strides[4] = {stride, 0, 0, 0};
    sws_scale(scaler_.get(), frame->data, frame->linesize, 0, frame->height, planes, strides);
    preview->deliver(preview->owner, previewPixels_.data(), preview->width, preview->height, stride);
  }

  OpenedInput& input_;
  const TargetSettings& settings_;
  const ConversionHooks& hooks_;
  OutputFile output_;
  Lane video_, audio_;
  Packet packet_, encoded_;
  Frame frame_, filtered_;
  int64_t positionMicros_ = 0;
  int lastPercent_ = 0;
  std::chrono::steady_clock::time_point lastReport_{};
  int64_t framesEncoded_ = 0;
  int64_t decodedPictures_ = 0;
  int previewEvery_ = 5;
  std::unique_ptr<SwsContext, SwsDeleter> scaler_;
  std::vector<uint8_t> previewPixels_;
};

}  // namespace

std::unique_ptr<OpenedInput> openInput(const std::string& path) {
  if (path.empty()) return nullptr;
  AVFormatContext* raw = nullptr;
  if (avformat_open_input(&raw, path.c_str(), nullptr, nullptr) < 0) return nullptr;
  auto opened = std::make_unique<OpenedInput>();
  opened->file.reset(raw);
  if (avformat_find_stream_info(raw, nullptr) < 0) return nullptr;
  opened->videoStream = av_find_best_stream(raw, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
  if (opened->videoStream < 0) return nullptr;
  const AVStream* video = raw->streams[opened->videoStream];
  if (video->codecpar->width <= 0 || video->codecpar->height <= 0) return nullptr;
  for (unsigned i = 0; i < raw->nb_streams; ++i) {
    if (raw->streams[i]->codecpar->codec_type == AVMEDIA_TYPE_AUDIO &&
        raw->streams[i]->codecpar->sample_rate > 0) {
      opened->audioStream = static_cast<int>(i);
      break;
    }
  }
  InputVideo& facts = opened->facts;
  facts.width = video->codecpar->width;
  facts.height = video->codecpar->height;
  facts.sampleAspect = av_guess_sample_aspect_ratio(raw, const_cast<AVStream*>(video), nullptr);
  facts.frameRate = av_guess_frame_rate(raw, const_cast<AVStream*>(video), nullptr);
  if (opened->audioStream >= 0) {
    const AVCodecParameters* audio = raw->streams[opened->audioStream]->codecpar;
    facts.audioRate = audio->sample_rate;
    facts.audioChannels = audio->ch_layout.nb_channels;
  }
  return opened;
}

Outcome transcode(OpenedInput& input, const TargetSettings& settings, const std::string& outputPath,
                  const ConversionHooks& hooks, std::string* error) {
  Pipeline pipeline(input, settings, hooks);
  return pipeline.run(outputPath, error);
}

}  // namespace encodery
