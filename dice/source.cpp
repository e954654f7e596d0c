#include "source.h"

namespace dice {

Source &processSource()
{
    static MersenneSource source;
    return source;
}

} // namespace dice
