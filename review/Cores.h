#pragma once
// The review window's colours: the quiz screen's blue-violet field and its
// dark plates, orange for what passed, lilac for what did not.
#include "platform/Colors.h"

#include <QColor>

namespace review::cores {

inline constexpr platform::ColorValue campoRGB = platform::RGB(96, 103, 207);  // the quiz screen's field
inline constexpr platform::ColorValue painelRGB = platform::RGB(96, 96, 207);  // the results panel's field
inline constexpr platform::ColorValue placaRGB = platform::RGB(32, 30, 84);    // the dark plates
inline constexpr platform::ColorValue brancoRGB = platform::RGB(255, 255, 255);
inline constexpr platform::ColorValue tintaRGB = platform::RGB(24, 22, 60);    // text on white
inline constexpr platform::ColorValue apagadoRGB = platform::RGB(88, 88, 120); // secondary text on white
inline constexpr platform::ColorValue verdeRGB = platform::RGB(0, 118, 46);
inline constexpr platform::ColorValue vermelhoRGB = platform::RGB(192, 0, 0);
inline constexpr platform::ColorValue ambarRGB = platform::RGB(166, 84, 0);
inline constexpr platform::ColorValue fundoCertaRGB = platform::RGB(208, 242, 214);
inline constexpr platform::ColorValue fundoErradaRGB = platform::RGB(252, 214, 214);
inline constexpr platform::ColorValue laranjaClaroRGB = platform::RGB(255, 214, 96);

inline const QColor campo{96, 103, 207};
inline const QColor painel{96, 96, 207};
inline const QColor placa{32, 30, 84};
inline const QColor bordaPlaca{140, 140, 232};
inline const QColor nuvem{132, 140, 232};
inline const QColor laranja{255, 160, 32};
inline const QColor laranjaClaro{255, 214, 96};
inline const QColor lilas{150, 156, 236};

} // namespace review::cores
