#include "crs-sim/SimFrameReader.h"

#include "crs-sim/SimFraming.h"

using namespace SimFraming;

QList<SimWireFrame> SimFrameReader::Feed(const QByteArray& bytes, qint64 nowUs) {
  QList<SimWireFrame> done;
  for (char c : bytes) Take(static_cast<quint8>(c), nowUs, done);
  if (state_ == State::Idle) FlushNoise(done);
  return done;
}

void SimFrameReader::Take(quint8 byte, qint64 nowUs, QList<SimWireFrame>& done) {
  switch (state_) {
  case State::Idle:
    if (byte == DLE) {
      StartFrame(nowUs);
      state_ = State::AfterDle;
      return;
    }
    if (noise_.isEmpty()) noiseStartUs_ = nowUs;
    noise_.append(char(byte));
    noiseEndUs_ = nowUs;
    return;
  case State::AfterDle: {
    const SimWireFrame::Kind control = byte == ACK ? SimWireFrame::Ack
                                       : byte == NAK ? SimWireFrame::Nak
                                       : byte == EOT ? SimWireFrame::Eot
                                                     : SimWireFrame::Noise;
    if (byte == STX) {
      FlushNoise(done);
      frame_.wire.append(char(byte));
      state_ = State::Body;
    } else if (control != SimWireFrame::Noise) {
      FlushNoise(done);
      frame_.kind = control;
      frame_.wire.append(char(byte));
      frame_.endUs = nowUs;
      done.append(frame_);
      state_ = State::Idle;
    } else {
      // A DLE that starts nothing: it and this byte are noise; a second DLE may start a frame.
      AbandonFrame();
      Take(byte, nowUs, done);
    }
    return;
  }
  default:
    TakeInBody(byte, nowUs, done);
  }
}

void SimFrameReader::TakeInBody(quint8 byte, qint64 nowUs, QList<SimWireFrame>& done) {
  frame_.wire.append(char(byte));
  frame_.endUs = nowUs;
  switch (state_) {
  case State::Body:
    if (byte == DLE) state_ = State::BodyDle;
    else frame_.body.append(char(byte));
    break;
  case State::BodyDle:
    if (byte == DLE) {
      frame_.body.append(char(DLE));
      state_ = State::Body;
    } else if (byte == ETX) {
      state_ = State::Crc1;
    } else if (byte == STX) {
      // A new frame starts inside this one: what came before was a broken frame.
      frame_.wire.chop(2);
      AbandonFrame();
      FlushNoise(done);
      StartFrame(nowUs);
      frame_.wire.append(char(STX));
      state_ = State::Body;
      return;
    } else {
      frame_.malformed = true;
      frame_.body.append(char(DLE)).append(char(byte));
      state_ = State::Body;
    }
    break;
  case State::Crc1:
    state_ = State::Crc2;
    return;
  case State::Crc2: {
    const qsizetype n = frame_.wire.size();
    const quint16 received = quint16(quint8(frame_.wire[n - 2])) | quint16(quint8(frame_.wire[n - 1])) << 8;
    frame_.kind = SimWireFrame::Data;
    frame_.crcOk = received == BodyCrc(frame_.body);
    frame_.endUs = nowUs;
    done.append(frame_);
    state_ = State::Idle;
    return;
  }
  default:
    break;
  }
  if (frame_.body.size() > MaxBody) {
    AbandonFrame();
    FlushNoise(done);
  }
}

void SimFrameReader::StartFrame(qint64 nowUs) {
  frame_ = SimWireFrame();
  frame_.wire.append(char(DLE));
  frame_.startUs = nowUs;
  frame_.endUs = nowUs;
}

void SimFrameReader::AbandonFrame() {
  if (noise_.isEmpty()) noiseStartUs_ = frame_.startUs;
  noise_.append(frame_.wire);
  noiseEndUs_ = frame_.endUs;
  frame_ = SimWireFrame();
  state_ = State::Idle;
}

void SimFrameReader::FlushNoise(QList<SimWireFrame>& done) {
  if (noise_.isEmpty()) return;
  SimWireFrame noise;
  noise.kind = SimWireFrame::Noise;
  noise.wire = noise_;
  noise.startUs = noiseStartUs_;
  noise.endUs = noiseEndUs_;
  done.append(noise);
  noise_.clear();
}
