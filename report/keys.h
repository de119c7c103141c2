#pragma once

// Every key and column name a result is written with, spelled once. The zone keys are the names
// of the window's controls, so scripts can compare a result with the window.
namespace report::key {

inline constexpr char FrequenceOscillateur1[] = "FrequenceOscillateur(1)";
inline constexpr char Motif_Q[] = "Motif_Q";
inline constexpr char QcOnOff[] = "QcOnOff";
inline constexpr char CondensateurCalcul1[] = "CondensateurCalcul(1)";
inline constexpr char ResistanceCalcul1[] = "ResistanceCalcul(1)";
inline constexpr char CondensateurReel[] = "CondensateurReel";
inline constexpr char ResistanceCombo0[] = "ResistanceCombo(0)";
inline constexpr char ResistanceCombo1[] = "ResistanceCombo(1)";
inline constexpr char QrOnOff[] = "QrOnOff";
inline constexpr char FrequenceOscillateur3[] = "FrequenceOscillateur(3)";
inline constexpr char T_reel[] = "T_reel";
inline constexpr char T1_reel[] = "T1_reel";
inline constexpr char ValeurRs[] = "ValeurRs";
inline constexpr char items[] = "items";
inline constexpr char selected[] = "selected";
inline constexpr char alarmes[] = "alarmes";
inline constexpr char arret[] = "arret";
inline constexpr char ligne[] = "ligne";
inline constexpr char erreur[] = "erreur";
inline constexpr char T[] = "T";
inline constexpr char T1[] = "T1";
inline constexpr char valeurs[] = "valeurs";
inline constexpr char precision[] = "precision";
inline constexpr char nomenclature[] = "nomenclature";
inline constexpr char chronogramme[] = "chronogramme";
inline constexpr char circuit[] = "circuit";
// A design of two counters: "montage" {"type": "cascade", "compteur2", "etage"}.
inline constexpr char montage[] = "montage";
inline constexpr char type[] = "type";
inline constexpr char cascade[] = "cascade";
inline constexpr char compteur2[] = "compteur2";
inline constexpr char etage[] = "etage";

// Inside "chronogramme", besides periode_oscillateur and sorties; times in seconds.
inline constexpr char impulsions[] = "impulsions";
inline constexpr char periode[] = "periode";
inline constexpr char premier_front[] = "premier_front";
inline constexpr char sortie[] = "sortie";

// Inside "valeurs": numbers, SI seconds, kilohms and nanofarads.
inline constexpr char periode_oscillateur[] = "periode_oscillateur";
inline constexpr char C2_theorique[] = "C2_theorique";
inline constexpr char R2_theorique[] = "R2_theorique";
inline constexpr char talon[] = "talon";
inline constexpr char potentiometre[] = "potentiometre";
inline constexpr char C2[] = "C2";
inline constexpr char n[] = "n";
inline constexpr char periode_oscillateur_reelle[] = "periode_oscillateur_reelle";
inline constexpr char Rs[] = "Rs";

// Inside "precision".
inline constexpr char ecart_T[] = "ecart_T";
inline constexpr char ecart_T1[] = "ecart_T1";
inline constexpr char T_min[] = "T_min";
inline constexpr char T_max[] = "T_max";
inline constexpr char T1_min[] = "T1_min";
inline constexpr char T1_max[] = "T1_max";
inline constexpr char T_stat_min[] = "T_stat_min";
inline constexpr char T_stat_max[] = "T_stat_max";
inline constexpr char T1_stat_min[] = "T1_stat_min";
inline constexpr char T1_stat_max[] = "T1_stat_max";
inline constexpr char ajustable[] = "ajustable";
inline constexpr char reglage[] = "reglage";
inline constexpr char course[] = "course";
inline constexpr char T_reglable_min[] = "T_reglable_min";
inline constexpr char T_reglable_max[] = "T_reglable_max";
inline constexpr char ajustable_verdict[] = "ajustable_verdict";
inline constexpr char T1_proches[] = "T1_proches";
inline constexpr char sorties[] = "sorties";
inline constexpr char ecart[] = "ecart";
inline constexpr char solutions[] = "solutions";
inline constexpr char regles[] = "regles";
inline constexpr char regle[] = "regle";
inline constexpr char respectee[] = "respectee";
inline constexpr char K4060_calibre[] = "K4060_calibre";

// Inside each line of "nomenclature".
inline constexpr char reference[] = "reference";
inline constexpr char quantite[] = "quantite";
inline constexpr char valeur[] = "valeur";
inline constexpr char role[] = "role";

// Inside "circuit": its components (reference, valeur, role and) ...
inline constexpr char composants[] = "composants";
inline constexpr char empreinte[] = "empreinte";
// ... and its nets, each a name and its members, [reference, pin number] pairs.
inline constexpr char reseaux[] = "reseaux";
inline constexpr char nom[] = "nom";
inline constexpr char membres[] = "membres";

} // namespace report::key
