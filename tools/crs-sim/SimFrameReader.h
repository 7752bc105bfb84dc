#pragma once
// Cuts the byte stream from the line into frames. A data frame ends at the first DLE ETX
// that is not part of a doubled 0x10, plus exactly two CRC bytes. Bytes outside any frame
// come out as noise, so that nothing the line carried is lost from the transcript.
#include "crs-sim/SimWireFrame.h"

#include <QList>

class SimFrameReader {
public:
  // Bodies longer than this are not frames of this link; the bytes become noise.
  static constexpr qsizetype MaxBody = 8192;

  // Feeds bytes read at nowUs; returns the frames they complete, in order. Noise collected
  // while outside a frame is returned at the end of each call.
  QList<SimWireFrame> Feed(const QByteArray& bytes, qint64 nowUs);

private:
  enum class State { Idle, AfterDle, Body, BodyDle, Crc1, Crc2 };
  void Take(quint8 byte, qint64 nowUs, QList<SimWireFrame>& done);
  void TakeInBody(quint8 byte, qint64 nowUs, QList<SimWireFrame>& done);
  void FlushNoise(QList<SimWireFrame>& done);
  void StartFrame(qint64 nowUs);
  void AbandonFrame();

  State state_ = State::Idle;
  SimWireFrame frame_;
  QByteArray noise_;
  qint64 noiseStartUs_ = 0;
  qint64 noiseEndUs_ = 0;
};
