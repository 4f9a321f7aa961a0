#pragma once
// Paints one picture of an illustrated article from its drawing commands.
// Coordinates are pixels of a 648 x 301 canvas, origin at the top left.
//
//   bg COLOR                          background colour
//   title TEXT                        caption in the top left corner
//   room X Y W H [LABEL]              walled room, label in its top left corner
//   zone X Y W H COLOR [LABEL]        tinted area with a dashed edge, label at its foot
//   door X Y LEN SIDE                 door in the wall SIDE (top|bottom|left|right) of a room,
//   window X Y LEN SIDE                 starting at X,Y and running along that wall
//   item KIND X Y W H [LABEL]         a piece of furniture or an object, label under it;
//                                     a negative W mirrors it left to right
//   rect X Y W H COLOR [LABEL]        filled box, label centred
//   circle CX CY R COLOR [LABEL]      filled circle, label centred
//   text X Y SIZE COLOR TEXT          text from its top left corner
//   ctext CX CY SIZE COLOR TEXT       text centred on a point
//   line|dline X1 Y1 X2 Y2 COLOR      solid or dashed line
//   arrow|darrow X1 Y1 X2 Y2 COLOR    solid or dashed arrow pointing at X2,Y2
//   arc CX CY RX RY START SPAN WIDTH COLOR
//                                     elliptic arc, angles in degrees counter-clockwise from 3 o'clock
//   compass CX CY R                   eight-direction rose, north up
//   bagua CX CY R                     the eight trigrams in their directions, north up
//   mark good|bad X Y                 a 宜 or 忌 badge centred on X,Y
//   swatch X Y W H COLOR LABEL        colour sample with its name under it
//   note X Y W H TEXT                 boxed text, wrapped
//
// COLOR is a name of the palette (red, green, blue, gold, pink, ...) or #RRGGBB.
#include <QImage>
#include <QString>
#include <QStringList>

namespace picture_pages {

inline constexpr int kPictureWidth = 648;
inline constexpr int kPictureHeight = 301;

// Paints the commands; on a bad command returns a null image and says why.
QImage RenderPicture(const QStringList& commands, QString& error);

}  // namespace picture_pages
