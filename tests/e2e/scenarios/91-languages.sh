#!/usr/bin/env bash
# Scenarios: every language the program speaks, as Windows' own language
# says, as stored, and as picked from the menu, each read by a screen
# reader; and every text fitting its control, with a glyph for each of its
# characters. Sourced by run.sh.

# Each language's code, and the locale Wine is started in for it.
languages="zh:zh_CN zh-Hant:zh_TW en:en_US ja:ja_JP ko:ko_KR de:de_DE fr:fr_FR es:es_ES ru:ru_RU pt-BR:pt_BR"
in_its_words() {  # code: the button reads its text, a screen reader the slider's and the ×'s names
  reads "$(text_of "$1" turnOff)" && read_aloud "$(text_of "$1" brightness)" "$(text_of "$1" close)"
}
settings_closed() {
  probe close-settings >/dev/null
  eventually 3 set_gone
}

fresh "every text in its control, every character in its face"
check "each language's texts fit at 96, 120, 144 and 192 dpi with a tenth to spare, and have their glyphs" probe fit

hold_suite_language
for each in $languages; do
  in_language "${each#*:}.UTF-8"
  fresh "${each%%:*} where Windows speaks it (${each#*:})"
  start_duskveil
  wait_overlay 12 >/dev/null
  check "the settings window speaks it, and a screen reader reads it" in_its_words "${each%%:*}"
done
back_to_suite_language

for each in $languages; do
  fresh "\"Language\" \"${each%%:*}\" under Windows' own language"
  probe reg-set Language sz "${each%%:*}" >/dev/null
  start_duskveil
  wait_overlay 12 >/dev/null
  check "the settings window speaks it, and a screen reader reads it" in_its_words "${each%%:*}"
done

fresh "a language picked from the menu"
stored_as() { [ "$(reg Language)" = "sz $1" ]; }
language_gone() { ! reg_is_text Language; }
start_duskveil
wait_overlay 12 >/dev/null
for each in $languages; do
  code=${each%%:*}
  check "pick $code" pick "language-${code,,}"
  check "  ... stored as \"$code\"" eventually 3 stored_as "$code"
  check "  ... the settings window opened next speaks it to a screen reader" in_its_words "$code"
  check "  ... closed again" settings_closed
done
check "pick Windows' own language: the value goes" pick language-as-windows
check "  ... nothing stored" eventually 3 language_gone
