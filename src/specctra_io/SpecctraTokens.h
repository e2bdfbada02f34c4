// The Specctra keywords this system knows, with their token ids. The table is written once:
// a keyword's id is its position in the table, so the block parsers and the lexer refer to
// keywords by their words (KeywordId("structure")), checked when the code is compiled.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string_view>
#include <vector>

#include "common/AsciiText.h"

class TBlockParser;

// One position of the keyword table: a word and, for a few positions, a second spelling
// with the same id.
struct TKeywordSpelling {
  std::string_view Word;
  std::string_view Alias{};
};

// Ids 1 to 500: id = position + 1.
// clang-format off
inline constexpr TKeywordSpelling kSpecctraKeywords[] = {
    /*   1 */ {"absolute"}, {"actual"}, {"add_pins"}, {"added"}, {"all"}, {"allow_antenna"},
    /*   7 */ {"allow_redundant_wiring"}, {"amp"}, {"ancestor"}, {"antipad"}, {"antipad_gap"},
    /*  12 */ {"aperture_type"}, {"applies"}, {"area"}, {"area_smd"}, {"array"}, {"attach"},
    /*  18 */ {"attr"}, {"auto"}, {"average_pair_length"}, {"back"}, {"back_only"}, {"background"},
    /*  24 */ {"balance"}, {"balanced"}, {"base_design"}, {"bbv_ctr2ctr"}, {"bend_keepout"},
    /*  29 */ {"bestsave"}, {"between"}, {"bond"}, {"both"}, {"bottom_layer_sel"}, {"boundary"},
    /*  35 */ {"brickpat"}, {"bundle"}, {"buried_via_gap"}, {"bus"}, {"can"},
    /*  40 */ {"capacitance_resolution"}, {"capacitor"}, {"case_sensitive"}, {"cct1"}, {"cct1a"},
    /*  45 */ {"cctpat"}, {"center_center"}, {"checking_trim_by_pin"}, {"checkpat"},
    /*  49 */ {"circ", "circle"}, {"circuit"}, {"class"}, {"class_class"}, {"classes"}, {"clear"},
    /*  55 */ {"clearance"}, {"cluster"}, {"cm"}, {"coax"}, {"coincident"}, {"color"}, {"colors"},
    /*  62 */ {"comment"}, {"comp"}, {"comp_edge_center"}, {"comp_order"}, {"complete_wire"},
    /*  67 */ {"component"}, {"composite"}, {"conductance_resolution"}, {"conductor"}, {"conflict"},
    /*  72 */ {"conflict_clearance"}, {"conflict_crossing"}, {"conflict_length"}, {"conflict_wire"},
    /*  76 */ {"conflict_xtalk"}, {"connect"}, {"connections"}, {"constant"}, {"contact"},
    /*  81 */ {"control"}, {"corner"}, {"corners"}, {"cost"}, {"created_time"}, {"cross"},
    /*  87 */ {"crosstalk"}, {"crosstalk_model"}, {"current_resolution"}, {"current_wire"},
    /*  91 */ {"daisy"}, {"define"}, {"defining"}, {"delete_pins"}, {"deleted"},
    /*  96 */ {"deleted_keepout"}, {"diaghatchpat"}, {"diagonal"}, {"direct", "direction"},
    /* 100 */ {"directory"}, {"discrete"}, {"dotpat"}, {"down"}, {"drill_gap"},
    /* 105 */ {"effective_via_length"}, {"elongate_keepout"}, {"empty"}, {"error"}, {"exclude"},
    /* 110 */ {"expose"}, {"extra_image_directory"}, {"family"}, {"family_family"},
    /* 114 */ {"family_family_spacing"}, {"fanout"}, {"farad"}, {"ffarad"}, {"file"}, {"fit"},
    /* 120 */ {"fix"}, {"flip_style"}, {"floor_plan"}, {"for"}, {"forbidden"},
    /* 125 */ {"force_to_terminal_point"}, {"forget"}, {"free"}, {"fromto"}, {"front"},
    /* 130 */ {"front_only"}, {"g"}, {"gap"}, {"gate"}, {"gates"}, {"grid"}, {"gridpat"},
    /* 137 */ {"ground"}, {"group"}, {"group_set"}, {"guide"}, {"guides"}, {"hard"}, {"height"},
    /* 144 */ {"high"}, {"highlight"}, {"histogram"}, {"history"}, {"horizdashpat"}, {"horizontal"},
    /* 150 */ {"horizpat"}, {"horizwavepat"}, {"host_cad"}, {"host_version"}, {"image"},
    /* 155 */ {"image_conductor"}, {"image_image"}, {"image_image_spacing"},
    /* 158 */ {"image_outline_clearance"}, {"image_set"}, {"image_type"}, {"inch"}, {"include"},
    /* 163 */ {"include_pins_in_crosstalk"}, {"inductance_resolution"}, {"insert"},
    /* 166 */ {"inter_layer_clearance"}, {"iroute"}, {"jumper"}, {"junction_type"}, {"keepout"},
    /* 171 */ {"keepouts"}, {"kg"}, {"kohm"}, {"large"}, {"large_large"}, {"large_small"},
    /* 177 */ {"layer"}, {"layer_depth"}, {"layer_noise_weight"}, {"layer_pair"}, {"layer_rule"},
    /* 182 */ {"length"}, {"length_amplitude"}, {"length_factor"}, {"length_gap"}, {"library"},
    /* 187 */ {"library_out"}, {"limit"}, {"limit_bends"}, {"limit_crossing"}, {"limit_vias"},
    /* 192 */ {"limit_way"}, {"linear"}, {"linear_interpolation"}, {"load"}, {"lock_type"},
    /* 197 */ {"locked_comp"}, {"logical_part"}, {"logical_part_mapping"}, {"low"}, {"major"},
    /* 202 */ {"mamp"}, {"match_fromto_delay"}, {"match_fromto_length"}, {"match_group_delay"},
    /* 206 */ {"match_group_length"}, {"match_net_delay"}, {"match_net_length"}, {"max"},
    /* 210 */ {"max_delay"}, {"max_len"}, {"max_length"}, {"max_noise"},
    /* 214 */ {"max_restricted_layer_length"}, {"max_stagger"}, {"max_stub"}, {"max_total_delay"},
    /* 218 */ {"max_total_length"}, {"max_total_vias"}, {"medium"}, {"mfarad"}, {"mg"}, {"mhenry"},
    /* 224 */ {"microvia"}, {"mid_driven"}, {"mil"}, {"min"}, {"min_delay"}, {"min_gap"},
    /* 230 */ {"min_total_delay"}, {"min_total_length"}, {"mirror"}, {"mirror_first"}, {"mixed"},
    /* 235 */ {"mm"}, {"mohm"}, {"msec"}, {"mvolt"}, {"negative_diagonal"}, {"net"}, {"net_number"},
    /* 242 */ {"net_pin_changes"}, {"nets"}, {"network"}, {"network_out"}, {"nfarad"}, {"nhenry"},
    /* 248 */ {"noexpose"}, {"noise_accumulation"}, {"noise_calculation"}, {"normal"}, {"nsec"},
    /* 253 */ {"object_type"}, {"off"}, {"off_center"}, {"off_grid"}, {"offset"}, {"ohm"}, {"on"},
    /* 260 */ {"open"}, {"opposite_side"}, {"order"}, {"orthogonal"}, {"orthohatchpat"},
    /* 265 */ {"outline"}, {"overlap"}, {"pad_body"}, {"pad_pad"}, {"pad_to_turn_gap"},
    /* 270 */ {"padstack"}, {"pair"}, {"parallel"}, {"parallel_noise"}, {"parallel_segment"},
    /* 275 */ {"parser"}, {"part_library"}, {"partial_selection"}, {"path"}, {"pcb"}, {"peak"},
    /* 281 */ {"peakpat"}, {"permit_orient"}, {"permit_side"}, {"pfarad"}, {"physical"},
    /* 286 */ {"physical_part_mapping"}, {"piggyback"}, {"pin"}, {"pin_allow"}, {"pin_cap_via"},
    /* 291 */ {"pin_via_cap"}, {"pin_width_taper"}, {"pins"}, {"pintype"}, {"place"},
    /* 296 */ {"place_boundary"}, {"place_control"}, {"place_keepout"}, {"place_rule"},
    /* 300 */ {"placement"}, {"plaidpat"}, {"plan"}, {"plane"}, {"plus-pat"}, {"pn"}, {"point"},
    /* 307 */ {"poly_wire"}, {"poly", "polygon"}, {"position"}, {"positive_diagonal"}, {"power"},
    /* 312 */ {"power_dissipation"}, {"power_fanout"}, {"power_layers"}, {"prefer_back"},
    /* 316 */ {"prefer_front"}, {"prefix"}, {"priority"}, {"property"}, {"protect"}, {"psec"},
    /* 322 */ {"qarc"}, {"radius"}, {"ratio"}, {"ratio_tolerance"}, {"rect"}, {"reduce_padstack"},
    /* 328 */ {"reduced"}, {"reduction_ratio"}, {"region"}, {"region_class"},
    /* 332 */ {"region_class_class"}, {"region_net"}, {"remain"}, {"reorder"},
    /* 336 */ {"reroute_order_viols"}, {"reroute_wire"}, {"resistance_resolution"}, {"resistor"},
    /* 340 */ {"resolution"}, {"restricted_layer_length_factor"}, {"result"}, {"room"},
    /* 344 */ {"room_image_set"}, {"rotate"}, {"rotate_first"}, {"rotate_jumper_via"}, {"round"},
    /* 349 */ {"roundoff_rotation"}, {"routability"}, {"route"}, {"route_pass"},
    /* 353 */ {"route_to_fanout_only"}, {"routes"}, {"routes_include"}, {"RSS"}, {"rule"},
    /* 358 */ {"ruler"}, {"same"}, {"same_net_checking"}, {"sample_window"}, {"saturation_length"},
    /* 363 */ {"sec"}, {"segment"}, {"sel_signal_layers"}, {"select"}, {"selectedcomp"}, {"self"},
    /* 369 */ {"sequence_number"}, {"session"}, {"set"}, {"set_color"}, {"set_pattern"}, {"shape"},
    /* 375 */ {"shapes"}, {"shield"}, {"shield_gap"}, {"shield_loop"}, {"shield_tie_down_interval"},
    /* 380 */ {"shield_width"}, {"side"}, {"side_exit"}, {"signal"}, {"signal_layers"}, {"site"},
    /* 386 */ {"slantleftpat"}, {"slantrightpat"}, {"small"}, {"smd"}, {"smd_pins"},
    /* 391 */ {"smd_to_turn_gap"}, {"smd_via_same_net"}, {"snap"}, {"soft"}, {"source"},
    /* 396 */ {"space_in_quoted_tokens"}, {"spacing"}, {"spare"}, {"specified"}, {"spiral_via"},
    /* 401 */ {"square"}, {"stack_via"}, {"stack_via_depth"}, {"staggered_via"}, {"staired_via"},
    /* 406 */ {"stairstep"}, {"starburst"}, {"status"}, {"string_quote"}, {"structure"},
    /* 411 */ {"structure_out"}, {"subgate"}, {"subgates"}, {"substituted"}, {"suffix"}, {"super"},
    /* 417 */ {"super_placement"}, {"supply"}, {"supply_only"}, {"supply_pin"}, {"swapping"},
    /* 422 */ {"switch_window"}, {"tandem"}, {"tandem_noise"}, {"tandem_segment"},
    /* 426 */ {"tandem_shield_overhang"}, {"target"}, {"term_only"}, {"terminal"}, {"terminator"},
    /* 431 */ {"test"}, {"test_points"}, {"testpoint"}, {"threshold"}, {"thru_pins"}, {"tilepat"},
    /* 437 */ {"time_length_factor"}, {"time_resolution"}, {"tjunction"}, {"tolerance"},
    /* 441 */ {"top_layer_sel"}, {"topology"}, {"total"}, {"total_pass"}, {"total_pins"},
    /* 446 */ {"totalcomp"}, {"track_id"}, {"turret"}, {"type"}, {"ufarad"}, {"uhenry"},
    /* 452 */ {"unassigned"}, {"um"}, {"unconnect_wire"}, {"unit"}, {"units"}, {"unplaced_comp"},
    /* 458 */ {"unplaced_large"}, {"up"}, {"up_down"}, {"use_array"}, {"use_layer"}, {"use_net"},
    /* 464 */ {"use_via"}, {"usec"}, {"value"}, {"vertdashpat"}, {"vertical"}, {"vertpat"},
    /* 470 */ {"vertwavepat"}, {"via"}, {"via_array_template"}, {"via_at_smd"}, {"via_keepout"},
    /* 475 */ {"via_number"}, {"via_rotate_first"}, {"via_site"}, {"via_size"}, {"via_via"},
    /* 480 */ {"via_via_same_net"}, {"viakeepouts"}, {"vias"}, {"virtual_pin"}, {"volt"},
    /* 485 */ {"voltage_resolution"}, {"was_is"}, {"way"}, {"weight"}, {"width"}, {"window"},
    /* 491 */ {"wire"}, {"wire_keepout"}, {"wires"}, {"wires_include"}, {"wiring"}, {"write"},
    /* 497 */ {"write_resolution"}, {"x"}, {"xy"}, {"y"},
};

// The clearance-type names of the clearance rules: id = kFirstClearanceTypeId + position.
// The empty entries are ids that no word produces.
inline constexpr int32_t kFirstClearanceTypeId = 501;
inline constexpr std::string_view kClearanceTypeKeywords[] = {
    /* 501 */ "Pin_Pin", "Pin_Smd", "Smd_Pin", "Pin_Via", "Via_Pin", "Pin_Wire", "Wire_Pin",
    /* 508 */ "Pin_Area", "Area_Pin", "Pin_TestPoint", "Testpoint_Pin", "Smd_Smd", "Smd_Via",
    /* 514 */ "Via_Smd", "Smd_Wire", "Wire_Smd", "Smd_Area", "", "Smd_TestPoint", "TestPoint_Smd",
    /* 521 */ "", "Via_Wire", "Wire_Via", "Via_Area", "Area_Via", "Via_TestPoint", "TestPoint_Via",
    /* 528 */ "Wire_Wire", "Wire_Area", "Area_Wire", "Wire_TestPoint", "TestPoint_Wire",
    /* 533 */ "Area_Area", "Area_TestPoint", "TestPoint_Area", "TestPoint_TestPoint", "ViaPop",
    /* 538 */ "WirePlow",
};
// clang-format on

namespace keyword_detail {
constexpr bool SameWord(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (AsciiUpper(a[i]) != AsciiUpper(b[i])) return false;
  return true;
}
}  // namespace keyword_detail

// The token id of a keyword (letter case ignored). Evaluated while compiling: a word that is
// not in the table does not compile.
consteval int32_t KeywordId(std::string_view word) {
  using keyword_detail::SameWord;
  int32_t id = 1;
  for (const TKeywordSpelling& spelling : kSpecctraKeywords) {
    if (SameWord(spelling.Word, word) ||
        (!spelling.Alias.empty() && SameWord(spelling.Alias, word)))
      return id;
    ++id;
  }
  id = kFirstClearanceTypeId;
  for (const std::string_view name : kClearanceTypeKeywords) {
    if (!name.empty() && SameWord(name, word)) return id;
    ++id;
  }
  throw "not a Specctra keyword";
}

// Keywords the lexer and the file checks rely on.
inline constexpr int32_t tkPcb = KeywordId("pcb");
inline constexpr int32_t tkStringQuote = KeywordId("string_quote");
inline constexpr int32_t tkOn = KeywordId("on");
inline constexpr int32_t tkLastKeywordId =
    kFirstClearanceTypeId + static_cast<int32_t>(std::size(kClearanceTypeKeywords)) - 1;

struct TKeywordRegistration {
  std::string_view Word;
  int32_t Id;
};

// Every registration in its order: the table with its second spellings, the clearance types,
// then the two mixed-case clearance spellings of keywords already present (which change
// nothing, since the first registration of a word wins).
const std::vector<TKeywordRegistration>& KeywordRegistrations();

// Adds the whole keyword table to the parser's keyword list.
void RegisterKeywords(TBlockParser& parser);
