# The desktop menu's entries "Zelmo II" and "Pravo II", pointing at the
# programs of the folder just installed.  Included by programa.cmake.

if(DEFINED ENV{ZELMO_MENU_DIR})
  set(menu "$ENV{ZELMO_MENU_DIR}")
elseif(NOT ZELMO_MENU_DIR_CACHE STREQUAL "")
  set(menu "${ZELMO_MENU_DIR_CACHE}")
else()
  # By default only the user's own program folder gets them: an install
  # elsewhere (a try, a package being staged) leaves the user's menu alone.
  set(menu "")
  if(DEFINED ENV{HOME} AND NOT DEFINED ENV{DESTDIR})
    file(REAL_PATH "$ENV{HOME}/ZelmoII" pasta_do_usuario)
    file(REAL_PATH "${CMAKE_INSTALL_PREFIX}" pasta_instalada)
    if(pasta_instalada STREQUAL pasta_do_usuario)
      if(NOT "$ENV{XDG_DATA_HOME}" STREQUAL "")
        set(menu "$ENV{XDG_DATA_HOME}/applications")
      else()
        set(menu "$ENV{HOME}/.local/share/applications")
      endif()
    endif()
  endif()
endif()

# A string value of a desktop entry: "\" written "\\".
function(zelmo_valor_desktop resultado texto)
  string(REPLACE "\\" "\\\\" texto "${texto}")
  set(${resultado} "${texto}" PARENT_SCOPE)
endfunction()

# A path as the one argument of an Exec line: within double quotes, with
# "\", "\"", "`" and "$" escaped by "\" and "%" doubled; then as a string value.
function(zelmo_argumento_exec resultado caminho)
  string(REPLACE "\\" "\\\\" caminho "${caminho}")
  string(REPLACE "\"" "\\\"" caminho "${caminho}")
  string(REPLACE "`" "\\`" caminho "${caminho}")
  string(REPLACE "$" "\\$" caminho "${caminho}")
  string(REPLACE "%" "%%" caminho "${caminho}")
  zelmo_valor_desktop(caminho "\"${caminho}\"")
  set(${resultado} "${caminho}" PARENT_SCOPE)
endfunction()

# Writes <menu>/<arquivo> whole: a passing name renamed over the old entry.
function(zelmo_entrada_menu arquivo programa nome comentario)
  get_filename_component(pasta "${CMAKE_INSTALL_PREFIX}" ABSOLUTE)
  zelmo_argumento_exec(exec "${pasta}/${programa}")
  zelmo_valor_desktop(tryexec "${pasta}/${programa}")
  zelmo_valor_desktop(caminho "${pasta}")
  zelmo_valor_desktop(icone "${pasta}/${programa}.png")
  set(texto "[Desktop Entry]
Type=Application
Version=1.0
Name=${nome}
Comment=${comentario}
Exec=${exec}
TryExec=${tryexec}
Path=${caminho}
Icon=${icone}
Terminal=false
Categories=Education;
StartupWMClass=${nome}
")
  file(MAKE_DIRECTORY "${menu}")
  file(WRITE "${menu}/.${arquivo}.instalando" "${texto}")
  file(RENAME "${menu}/.${arquivo}.instalando" "${menu}/${arquivo}" RESULT falha)
  if(falha)
    message(FATAL_ERROR "Could not write ${menu}/${arquivo}: ${falha}")
  endif()
  message(STATUS "Installing: ${menu}/${arquivo}")
endfunction()

if(NOT menu STREQUAL "")
  zelmo_entrada_menu("zelmo2.desktop" "Zelmo2" "Zelmo II"
                     "O aluno estuda um assunto página por página, com atividades e relatório")
  zelmo_entrada_menu("pravo2.desktop" "Pravo2" "Pravo II"
                     "O professor prepara os assuntos do Zelmo II e lê os relatórios dos alunos")
endif()
