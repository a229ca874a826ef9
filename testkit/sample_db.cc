// An invented but plausible set of lever prototypes for a game world: castle
// gates, mine switches, harbour cranes. It exercises every field type, all
// three place counts, scales of exactly 1.0 and others, negative and
// fractional numbers, bytes above 0x7F (Windows-1252 text), NUL-terminated
// names, both packed-length forms, an unknown field type and a first-level
// record with tag 2 whose prototypes the converter does not write.
#include "sample_db.h"

#include <vector>

#include "ldb_builder.h"

namespace kovrant::ldb {
namespace {

// The game stores names as C strings, terminating NUL included.
std::string CName(std::string_view text) {
  std::string value(text);
  value += '\0';
  return Name(value);
}

struct Lever {
  const char* name;
  // Place block: two placement points; `places` says how many are used
  // (-1: no place block field, the previous one carries over).
  float x1, y1, x2, y2;
  int places;
  float scale;
  int ticks;  // switch time in ticks of 1/15 s
  const char* material;
  const char* sound;
  const char* description;
};

std::string Prototype(const Lever& lever) {
  std::vector<std::string> fields = {CName(lever.name)};
  if (lever.places >= 0) {
    fields.push_back(PlaceBlock(lever.x1, lever.y1, lever.x2, lever.y2));
    fields.push_back(PlaceCount(lever.places));
  } else {
    fields.push_back(PlaceCount(1));
  }
  fields.push_back(Scale(lever.scale));
  fields.push_back(SwitchTime(lever.ticks));
  fields.push_back(Material(lever.material));
  fields.push_back(SwitchSound(lever.sound));
  fields.push_back(Description(lever.description));
  return ldb::Prototype(fields);
}

std::string Group(const std::vector<Lever>& levers, LengthForm form = LengthForm::kShortest) {
  std::vector<std::string> prototypes;
  for (const Lever& lever : levers) prototypes.push_back(Prototype(lever));
  return ldb::Group(prototypes, 0, form);
}

const std::vector<Lever> kCastle = {
    {"Drawbridge Winch Lever", 12.5f, -3.25f, 14.0f, -3.25f, 2, 1.0f, 45, "oak_iron_banded",
     "sfx/lever/winch_heavy.wav",
     "Lowers the drawbridge over the moat. Two guards must pull it together, hence the second "
     "placement point beside the gatehouse stairs."},
    {"Portcullis Release", 0.0f, 7.75f, 0.0f, 0.0f, 1, 1.25f, 30, "wrought_iron",
     "sfx/lever/chain_rattle.wav", "Drops the portcullis of the inner gate at once."},
    {"Armory Door Latch", -6.5f, 2.0f, 0.0f, 0.0f, 1, 0.75f, 8, "brass",
     "sfx/lever/latch_click.wav",
     "A small brass latch lever; opens the armory door for ten seconds."},
    {"Dungeon Cell Lever", -18.0f, -22.5f, -18.0f, -26.5f, 2, 1.0f, 15, "rusted_iron",
     "sfx/lever/rusty_squeak.wav", "Opens every cell of the lower dungeon. Rusted: often stuck."},
    {"Chapel Bell Pull", 3.3f, 41.7f, 0.0f, 0.0f, 0, 1.0f, 22, "hemp_rope",
     "sfx/bell/chapel_toll.wav",
     "Not a lever but a rope pull; placed by script, so it has no fixed place."},
    {"Kitchen Dumbwaiter", 9.05f, 1.15f, 0.0f, 0.0f, 1, 0.5f, 7, "pine", "sfx/lever/wood_knock.wav",
     "Sends the dumbwaiter between kitchen and great hall."},
    {"Throne Room Secret Switch", 0.35f, 0.95f, 0.0f, 0.0f, 1, 0.3f, 4, "gilded_stone",
     "sfx/lever/stone_grind_soft.wav", "Hidden behind the left armrest. Opens the escape passage."},
    {"Watchtower Signal Lever", 102.25f, 88.75f, 0.0f, 0.0f, 1, 2.0f, 60, "oak",
     "sfx/lever/signal_fire.wav", "Lights the beacon on the watchtower roof."},
    {"Moat Sluice Gate", -40.0f, 15.5f, -42.5f, 15.5f, 2, 1.5f, 90, "oak_iron_banded",
     "sfx/water/sluice_open.wav", "Floods or drains the moat; takes six seconds to turn."},
    {"Well Crank", 4.0f, -4.0f, 0.0f, 0.0f, -1, 1.0f, 33, "ash_wood", "sfx/lever/crank_wood.wav",
     "Reuses the placement of the lever before it in the editor's list."},
};

const std::vector<Lever> kMines = {
    {"Mine Cart Track Switch", 250.0f, -12.0f, 0.0f, 0.0f, 1, 1.0f, 12, "steel",
     "sfx/lever/track_switch.wav", "Sets the points at the lower junction of the copper mine."},
    {"Lift Cage Brake", 260.5f, -64.25f, 260.5f, -4.25f, 2, 1.1f, 18, "steel",
     "sfx/lever/brake_hiss.wav",
     "Holds the lift cage; the two places are the bottom and top stations."},
    {"Ventilation Shaft Flap", 244.0f, -30.0f, 0.0f, 0.0f, 1, 0.6f, 10, "tin",
     "sfx/lever/tin_flap.wav", "Opens the flap so the bellows can push air into the deep tunnels."},
    {"Blasting Detonator Handle", 275.75f, -80.5f, 0.0f, 0.0f, 1, 0.8f, 0, "brass_wood",
     "sfx/explosion/detonator_plunge.wav",
     "Instant: the charge goes off the moment it is pushed down."},
    {"Pump Engine Lever", 230.0f, -95.0f, 0.0f, 0.0f, 1, 1.75f, 150, "cast_iron",
     "sfx/machine/steam_pump_start.wav", "Starts the steam pump that keeps the lowest level dry."},
    {"Ore Chute Gate", 255.2f, -50.8f, 0.0f, 0.0f, 1, 1.0f, -15, "oak", "sfx/lever/chute_gate.wav",
     "Switch time is negative in the data: the gate snaps shut when released."},
    {"Collapsed Tunnel Lever", 0.0f, 0.0f, 0.0f, 0.0f, 0, 1.0f, 15, "rotten_wood", "",
     "A broken lever left as decoration; it has no sound."},
    {"Lamp Room Switch", 238.125f, -8.875f, 0.0f, 0.0f, 1, 0.25f, 3, "copper",
     "sfx/lever/small_click.wav", "Lights every lamp on the first level."},
};

const std::vector<Lever> kHarbour = {
    {"Harbour Crane Lever", -120.5f, 300.25f, -118.0f, 302.0f, 2, 3.0f, 75, "oak_iron_banded",
     "sfx/machine/crane_ratchet.wav",
     "Swings the harbour crane over the quay. The operator stands at the first place; the second "
     "place is the crane's own brake, which a second sailor may pull in an emergency."},
    {"Lighthouse Lamp Shutter", -300.0f, 410.0f, 0.0f, 0.0f, 1, 1.0f, 20, "brass",
     "sfx/lever/shutter.wav", "Opens the shutters of the lighthouse lamp at dusk."},
    {"Dry Dock Flood Valve", -150.0f, 280.0f, -155.0f, 280.0f, 2, 2.5f, 120, "bronze",
     "sfx/water/valve_flood.wav", "Floods the dry dock. Slow on purpose."},
    {"Chain Boom Winch", -200.0f, 350.5f, 0.0f, 0.0f, 1, 1.0f, 105, "steel",
     "sfx/lever/winch_heavy.wav", "Raises the chain across the harbour mouth at night."},
    {"Fish Market Awning Crank", -95.45f, 260.55f, 0.0f, 0.0f, 1, 0.45f, 9, "pine",
     "sfx/lever/crank_wood.wav", "Rolls the awnings of the fish market in and out."},
    {"Customs House Strongroom", -110.0f, 255.0f, 0.0f, 0.0f, 1, 1.0f, 37, "steel",
     "sfx/lever/vault_bolt.wav", "Throws the three bolts of the strongroom door."},
};

// Writes of the game's German and French editions: Windows-1252 bytes.
const std::vector<Lever> kVillage = {
    {"Hebel der Zugbr\xFC"
     "cke",
     12.5f, -3.25f, 0.0f, 0.0f, 1, 1.0f, 45, "Eiche", "sfx/lever/winch_heavy.wav",
     "Senkt die Zugbr\xFC"
     "cke \x96 nur von au\xDF"
     "en."},
    {"Levier de l'\xE9"
     "cluse",
     55.0f, -1.5f, 0.0f, 0.0f, 1, 1.2f, 52,
     "ch\xEA"
     "ne",
     "sfx/water/sluice_open.wav",
     "Ouvre l'\xE9"
     "cluse du moulin \xE0 eau."},
    {"Mill Wheel Brake", 60.0f, -2.0f, 0.0f, 0.0f, 1, 1.0f, 1, "oak", "sfx/lever/brake_wood.wav",
     "Stops the mill wheel; 1 tick, shown as 0.1."},
    {"Oven Damper \xB0"
     "C Lever",
     70.25f, 5.5f, 0.0f, 0.0f, 1, 0.95f, 14, "cast_iron", "sfx/lever/damper.wav",
     "Sets the bread oven's draught; the gauge reads 220 \xB0"
     "C."},
    {"Scarecrow Rattle", -1e-3f, 123456.7f, 0.0f, 0.0f, 1, 1e20f, 2147483647, "straw",
     "sfx/ambient/rattle.wav", "Editor test entry with extreme numbers left in by the designers."},
};

// Prototypes under a first-level record with tag 2 are the editor's
// drafts: the converter reads them but writes no rows for them.
const std::vector<Lever> kDrafts = {
    {"DRAFT Teleporter Lever", 0.0f, 0.0f, 0.0f, 0.0f, 1, 1.0f, 15, "placeholder",
     "sfx/debug/beep.wav", "Cut content."},
    {"DRAFT Weather Switch", 1.0f, 1.0f, 0.0f, 0.0f, 2, 1.0f, 15, "placeholder",
     "sfx/debug/beep.wav", "Cut content."},
};

}  // namespace

std::string SampleDatabase() {
  // One hand-made prototype shows the rarer shapes: fields out of the usual
  // order, an unknown field type, a short value stored with the four-byte
  // length form, and no description.
  std::string odd = ldb::Prototype(
      {CName("Old Cellar Lever"), Record(12, "editor-note: keep", LengthForm::kFourByte),
       PlaceBlock(-2.75f, -9.5f, 0.0f, 0.0f), PlaceCount(1), Scale(1.0f),
       Record(4, I32(-30), LengthForm::kFourByte), Material("slate"), SwitchSound("")},
      7);
  return Cat({
      Section(1, {Group(kCastle), Group(kMines, LengthForm::kFourByte)}),
      Section(2, {Group(kDrafts)}),
      Section(1, {Group(kHarbour), ldb::Group({odd}), Group(kVillage)}),
  });
}

}  // namespace kovrant::ldb
