#pragma once
// Helpers for expanding the colour table (colourtable.h) into the colour
// editors of the main window.
//
// Every colour has a setter named after its colour button, except the skin
// and zone colours: nothing but their own picker ever sets them, so their
// picker stores the colour itself. TYX_IF_SETTER(family, ...) expands its
// other arguments for the families with setters, TYX_IF_NO_SETTER for the
// two without. Like TYX_IF_FIRST they are plain token pastes, which moc
// expands as the compiler does.
#include "colours/colourtable.h"

#define TYX_IF_SETTER(family, ...) TYX_IF_SETTER_##family(__VA_ARGS__)
#define TYX_IF_NO_SETTER(family, ...) TYX_IF_NO_SETTER_##family(__VA_ARGS__)

#define TYX_IF_SETTER_Skin(...)
#define TYX_IF_SETTER_Zones(...)
#define TYX_IF_SETTER_Buttons(...) __VA_ARGS__
#define TYX_IF_SETTER_Knobs(...) __VA_ARGS__
#define TYX_IF_SETTER_Faders(...) __VA_ARGS__
#define TYX_IF_SETTER_Jogs(...) __VA_ARGS__
#define TYX_IF_SETTER_DropDowns(...) __VA_ARGS__
#define TYX_IF_SETTER_Texts(...) __VA_ARGS__
#define TYX_IF_SETTER_Meters(...) __VA_ARGS__
#define TYX_IF_SETTER_SongPos(...) __VA_ARGS__
#define TYX_IF_SETTER_ScratchWave(...) __VA_ARGS__
#define TYX_IF_SETTER_SystemButtons(...) __VA_ARGS__

#define TYX_IF_NO_SETTER_Skin(...) __VA_ARGS__
#define TYX_IF_NO_SETTER_Zones(...) __VA_ARGS__
#define TYX_IF_NO_SETTER_Buttons(...)
#define TYX_IF_NO_SETTER_Knobs(...)
#define TYX_IF_NO_SETTER_Faders(...)
#define TYX_IF_NO_SETTER_Jogs(...)
#define TYX_IF_NO_SETTER_DropDowns(...)
#define TYX_IF_NO_SETTER_Texts(...)
#define TYX_IF_NO_SETTER_Meters(...)
#define TYX_IF_NO_SETTER_SongPos(...)
#define TYX_IF_NO_SETTER_ScratchWave(...)
#define TYX_IF_NO_SETTER_SystemButtons(...)

// Whether a colour of this family has a setter (for code that walks the
// table at run time).
constexpr bool hassetter(ColourFamily family)
{
    return family != ColourFamily::Skin && family != ColourFamily::Zones;
}
