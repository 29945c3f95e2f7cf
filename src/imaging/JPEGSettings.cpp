#include "imaging/JPEGSettings.h"

TJPEGDecodeParams JPEGDecodeParams(const TJPEGSettings& settings)
{
    TJPEGDecodeParams params;
    params.scaleDenominator = 1 << static_cast<int>(settings.ScaleDown);
    params.blockSmoothing = settings.BlockSmoothing;
    params.grayMode = settings.GrayMode;
    params.eightBit = settings.OutputDepth == TJPEGPixelFormat::jf8Bit;
    params.bestSpeed = settings.SpeedMode == TJPEGPerformance::jpBestSpeed;
    params.showProgressively = settings.ShowProgressively;
    return params;
}
