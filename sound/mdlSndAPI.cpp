// placeholder until the sound player lands: plays nothing
#include "sound/mdlSndAPI.h"
namespace mdlSndAPI {
void SndPlay(const QString&, const QString&, qint16, qint16) {}
void SndCloseAll() {}
}
